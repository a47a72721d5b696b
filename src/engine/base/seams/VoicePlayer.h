#pragma once

#include <QString>
#include <functional>

// Plays the operator's recorded voice messages.
class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    /// Starts playing a WAV file and returns at once; false when it cannot be played (missing
    /// file, no sound output, a playback under way). Otherwise `ended` runs once, from the event
    /// loop, when the playback ends by itself or by stop().
    virtual bool start(const QString& path, std::function<void()> ended) = 0;
    /// Ends a playback under way (End or Escape on the QSO screen).
    virtual void stop() = 0;
    /// How many sound output devices the platform reports.
    virtual int outputCount() const = 0;
};
