#include "keyer/VoiceKeyer.h"

#include "setup/AppState.h"

#include <QDir>

QString VoiceKeyer::wavFile(const QString& appPath, int key) {
    return QDir(appPath).filePath(QStringLiteral("WAVUs/F%1.wav").arg(key));
}

bool VoiceKeyer::playsWithoutPort(const AppState& state) {
    return state.qsoMode == QLatin1String("SSB") && state.soundCardOk && !state.offLineLog &&
           state.ssbPcFlag;
}

KeyingResult VoiceKeyer::GoSSB(const QString& wavFile, int port, bool playWithoutPort) {
    if (m_busy)
        return KeyingResult::Busy;
    const bool keyed = m_port.ensureOpen(port);
    if (!keyed && !playWithoutPort)
        return KeyingResult::PortError;
    m_busy = true;
    m_aborted = false;
    if (keyed) {
        m_port.line().setDtr(false);
        m_port.line().setRts(true);
    }
    // A missing file plays nothing; the transmitter is keyed around it all the same.
    m_player.play(wavFile);
    if (keyed)
        m_port.line().setRts(false);
    m_busy = false;
    if (m_aborted)
        return KeyingResult::Aborted;
    return keyed ? KeyingResult::Done : KeyingResult::DoneWithoutKeying;
}

void VoiceKeyer::abort() {
    if (!m_busy)
        return;
    m_aborted = true;
    m_player.stop();
}
