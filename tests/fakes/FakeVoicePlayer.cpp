#include "fakes/FakeVoicePlayer.h"

#include <QTimer>

bool FakeVoicePlayer::play(const QString& path) {
    played.append(path);
    if (onPlay)
        onPlay();
    if (playTime.count() > 0) {
        QEventLoop loop;
        QTimer::singleShot(playTime, &loop, &QEventLoop::quit);
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    return true;
}

void FakeVoicePlayer::stop() {
    ++stopCount;
    if (m_loop)
        m_loop->quit();
}
