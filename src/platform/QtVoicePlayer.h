#pragma once

#include "seams/VoicePlayer.h"

#include <QPointer>

class QEventLoop;
class QSoundEffect;

// WAV playback through Qt Multimedia. play() waits in a local event loop, so the screens keep
// handling keys (End or Escape calls stop()) while the message is on the air.
class QtVoicePlayer : public VoicePlayer {
public:
    bool play(const QString& path) override;
    void stop() override;
    int outputCount() const override;

private:
    QPointer<QSoundEffect> m_effect;
    QPointer<QEventLoop> m_loop;
};
