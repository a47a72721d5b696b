#pragma once

#include "base/seams/VoicePlayer.h"

#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <utility>

// Records the files played. A playback ends after `playTime` on a timer, or at stop(), and
// reports its end from the event loop as the real player does.
class FakeVoicePlayer : public VoicePlayer {
public:
    FakeVoicePlayer() {
        m_end.setSingleShot(true);
        QObject::connect(&m_end, &QTimer::timeout, [this] {
            if (m_ended)
                std::exchange(m_ended, {})();
        });
    }
    bool start(const QString& path, std::function<void()> ended) override {
        if (m_ended)
            return false;
        played.append(path);
        m_ended = std::move(ended);
        if (onPlay)
            onPlay();
        m_end.start(playTime);
        return true;
    }
    void stop() override {
        ++stopCount;
        if (m_ended)
            m_end.start(0);
    }
    int outputCount() const override { return outputs; }

    QStringList played;
    std::chrono::milliseconds playTime{0};
    int outputs = 1;
    int stopCount = 0;
    /// Runs when a playback starts, so a test can look at the key line meanwhile.
    std::function<void()> onPlay;

private:
    QTimer m_end;
    std::function<void()> m_ended;
};
