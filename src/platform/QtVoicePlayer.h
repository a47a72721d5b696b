#pragma once

#include "base/seams/VoicePlayer.h"

#include <QPointer>

class QSoundEffect;

// WAV playback through Qt Multimedia, followed through the effect's signals.
class QtVoicePlayer : public VoicePlayer {
public:
    bool start(const QString& path, std::function<void()> ended) override;
    void stop() override;
    int outputCount() const override;

private:
    void finish();

    QPointer<QSoundEffect> m_effect;
    std::function<void()> m_ended;
};
