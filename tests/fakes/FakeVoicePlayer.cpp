#include "fakes/FakeVoicePlayer.h"

#include <utility>

FakeVoicePlayer::FakeVoicePlayer() {
    m_end.setSingleShot(true);
    QObject::connect(&m_end, &QTimer::timeout, [this] {
        if (m_ended)
            std::exchange(m_ended, {})();
    });
}

bool FakeVoicePlayer::start(const QString& path, std::function<void()> ended) {
    if (m_ended)
        return false;
    played.append(path);
    m_ended = std::move(ended);
    if (onPlay)
        onPlay();
    m_end.start(playTime);
    return true;
}

void FakeVoicePlayer::stop() {
    ++stopCount;
    if (m_ended)
        m_end.start(0);
}
