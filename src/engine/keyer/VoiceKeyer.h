#pragma once

#include "keyer/KeyPort.h"
#include "keyer/KeyingResult.h"
#include "seams/VoicePlayer.h"

#include <QString>

struct AppState;

// Plays the operator's recorded messages with the transmitter keyed by RTS (play). Playback
// is synchronous: the player keeps the caller's events running, so End or Escape reaches
// abort() while a file plays.
class VoiceKeyer {
public:
    VoiceKeyer(KeyPort& port, VoicePlayer& player) : m_port(port), m_player(player) {}

    /// The recording of function key `key` (1..7): "WAVUs/F<key>.wav" in the program folder,
    /// whatever the case of the names on the disk ("F1.WAV" is found).
    static QString wavFile(const QString& appPath, int key);
    /// True when a recording is played without keying if the port cannot be opened.
    static bool playsWithoutPort(const AppState& state);

    /// RTS on, `wavFile` played to its end, RTS off; MissingRecording, without keying, when
    /// the file is not there.
    /// Without a port: DoneWithoutKeying after playing when `playWithoutPort`, else PortError.
    KeyingResult play(const QString& wavFile, int port, bool playWithoutPort);
    /// End or Escape: stops the playback under way.
    void abort();
    /// True while a recording plays.
    bool isBusy() const { return m_busy; }

private:
    KeyPort& m_port;
    VoicePlayer& m_player;
    bool m_busy = false;
    bool m_aborted = false;
};
