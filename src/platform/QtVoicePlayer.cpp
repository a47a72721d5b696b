#include "platform/QtVoicePlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <utility>

bool QtVoicePlayer::start(const QString& path, std::function<void()> ended) {
    // One message at a time: a second one while a file is playing is refused.
    if (m_effect || !QFileInfo(path).isFile() || outputCount() == 0)
        return false;
    auto* effect = new QSoundEffect;
    m_effect = effect;
    m_ended = std::move(ended);
    const auto follow = [this, effect] {
        if (m_effect != effect)
            return; // stopped already
        switch (effect->status()) {
        case QSoundEffect::Ready:
            if (!effect->isPlaying())
                effect->play();
            break;
        case QSoundEffect::Error:
            finish();
            break;
        default:
            break;
        }
    };
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, follow);
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
        if (m_effect == effect && !effect->isPlaying())
            finish();
    });
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    follow(); // a sample already loaded reports no status change
    return true;
}

void QtVoicePlayer::stop() {
    if (!m_effect)
        return;
    m_effect->stop();
    finish();
}

void QtVoicePlayer::finish() {
    if (!m_effect)
        return;
    m_effect->deleteLater();
    m_effect.clear();
    // Queued: the caller of start() or stop() must not be re-entered.
    QTimer::singleShot(0, std::exchange(m_ended, {}));
}

int QtVoicePlayer::outputCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}
