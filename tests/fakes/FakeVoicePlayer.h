#pragma once

#include "seams/VoicePlayer.h"

#include <QEventLoop>
#include <QStringList>
#include <chrono>
#include <functional>

// Records the files played. A playback lasts `playTime` in a local event loop, as the real
// player keeps events running, and stop() ends it early.
class FakeVoicePlayer : public VoicePlayer {
public:
    bool play(const QString& path) override;
    void stop() override;
    int outputCount() const override { return outputs; }

    QStringList played;
    std::chrono::milliseconds playTime{0};
    int outputs = 1;
    int stopCount = 0;
    /// Runs when a playback starts, so a test can look at the key line meanwhile.
    std::function<void()> onPlay;

private:
    QEventLoop* m_loop = nullptr;
};
