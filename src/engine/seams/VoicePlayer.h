#pragma once

#include <QString>

// Plays the operator's recorded voice messages.
class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    /// Plays a WAV file to its end; returns false when it could not be played (missing file).
    /// Returns early when stop() is called meanwhile.
    virtual bool play(const QString& path) = 0;
    /// Ends a playback under way (End or Escape on the QSO screen).
    virtual void stop() = 0;
    /// How many sound output devices the platform reports.
    virtual int outputCount() const = 0;
};
