#include "platform/QtVoicePlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

bool QtVoicePlayer::play(const QString& path) {
    // One message at a time: a second one while a file is playing is refused.
    if (m_loop || !QFileInfo(path).isFile() || outputCount() == 0)
        return false;
    QSoundEffect effect;
    QEventLoop loop;
    m_effect = &effect;
    m_loop = &loop;
    bool played = true;
    bool done = false; // a quit before exec() would be lost
    const auto finish = [&](bool ok) {
        played = ok;
        done = true;
        loop.quit();
    };
    const auto follow = [&] {
        switch (effect.status()) {
        case QSoundEffect::Ready:
            if (!effect.isPlaying())
                effect.play();
            break;
        case QSoundEffect::Error:
            finish(false);
            break;
        default:
            break;
        }
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, follow);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            finish(true);
    });
    effect.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    follow(); // a sample already loaded reports no status change
    if (!done)
        loop.exec();
    m_effect.clear();
    m_loop.clear();
    return played;
}

void QtVoicePlayer::stop() {
    if (m_effect)
        m_effect->stop();
    if (m_loop)
        m_loop->quit();
}

int QtVoicePlayer::outputCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}
