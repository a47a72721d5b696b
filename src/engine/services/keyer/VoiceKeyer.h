#pragma once

#include "base/seams/VoicePlayer.h"
#include "services/keyer/KeyPort.h"
#include "services/keyer/KeyingResult.h"

#include <QObject>
#include <QString>

class ContestRun;
class RigLink;

// Plays the operator's recorded messages with the transmitter keyed by RTS, as CwSender sends
// CW: start() returns at once and finished() follows when the playback ends or is aborted.
class VoiceKeyer : public QObject {
    Q_OBJECT
public:
    VoiceKeyer(KeyPort& port, VoicePlayer& player, QObject* parent = nullptr)
        : QObject(parent), m_port(port), m_player(player) {}

    /// The recording of function key `key` (1..7): "WAVUs/F<key>.wav" in the program folder,
    /// whatever the case of the names on the disk ("F1.WAV" is found).
    static QString wavFile(const QString& dataFolder, int key);
    /// The transmitter keyed by CAT through `rig` from now on, or by RTS again with nullptr.
    void usePttByCat(RigLink* rig) { m_catPtt = rig; }
    /// True when a recording is played without keying if the port cannot be opened.
    static bool playsWithoutPort(const ContestRun& run);

    /// RTS (or PTT by CAT) on and `wavFile` started: Started, and finished() follows with the
    /// transmitter off again. Nothing keyed and nothing played: MissingRecording when the file is
    /// not there, Busy while one plays, PortError without a port (or with a radio that does not
    /// answer) unless `playWithoutPort` (then it plays unkeyed and finishes DoneWithoutKeying).
    KeyingResult start(const QString& wavFile, int port, bool playWithoutPort);
    /// End or Escape: stops the playback under way; finished(Aborted) follows.
    void abort();
    /// True from start() until finished() has been emitted.
    bool isBusy() const { return m_busy; }

signals:
    void finished(KeyingResult result);

private:
    void ended();
    void transmit(bool on);

    KeyPort& m_port;
    RigLink* m_catPtt = nullptr;
    VoicePlayer& m_player;
    bool m_busy = false;
    bool m_aborted = false;
    bool m_keyed = false;
};
