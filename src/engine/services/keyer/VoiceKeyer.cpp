#include "services/keyer/VoiceKeyer.h"

#include "rules/ContestRun.h"
#include "services/radio/RigLink.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {
// `name` in `folder` as the disk spells it ("F1.WAV", "f1.wav"); `name` itself when none is there.
QString spelledOnDisk(const QDir& folder, const QString& name) {
    const QStringList found =
        folder.entryList({name}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    return found.isEmpty() ? name : found.first();
}
} // namespace

QString VoiceKeyer::wavFile(const QString& dataFolder, int key) {
    const QDir app(dataFolder);
    const QDir folder(app.filePath(spelledOnDisk(app, QStringLiteral("WAVUs"))));
    return folder.filePath(spelledOnDisk(folder, QStringLiteral("F%1.wav").arg(key)));
}

bool VoiceKeyer::playsWithoutPort(const ContestRun& run) {
    return run.mode() == Mode::Ssb && run.keyer().playsVoice() && !run.offLine();
}

KeyingResult VoiceKeyer::start(const QString& wavFile, int port, bool playWithoutPort) {
    if (m_busy)
        return KeyingResult::Busy;
    if (!QFileInfo(wavFile).isFile())
        return KeyingResult::MissingRecording; // the transmitter is not keyed for nothing
    m_keyed = m_catPtt ? m_catPtt->answering() : m_port.ensureOpen(port);
    if (!m_keyed && !playWithoutPort)
        return KeyingResult::PortError;
    m_busy = true;
    m_aborted = false;
    if (m_keyed)
        transmit(true);
    // A file the player refuses ends at once, as before, but still as an event.
    // The player may outlive this keyer (the QSO screen closed while a file played).
    const auto end = [keyer = QPointer<VoiceKeyer>(this)] {
        if (keyer)
            keyer->ended();
    };
    if (!m_player.start(wavFile, end))
        QMetaObject::invokeMethod(this, &VoiceKeyer::ended, Qt::QueuedConnection);
    return KeyingResult::Started;
}

void VoiceKeyer::ended() {
    if (!m_busy)
        return;
    if (m_keyed)
        transmit(false);
    m_busy = false;
    emit finished(m_aborted ? KeyingResult::Aborted
                  : m_keyed ? KeyingResult::Done
                            : KeyingResult::DoneWithoutKeying);
}

void VoiceKeyer::transmit(bool on) {
    if (m_catPtt) {
        m_catPtt->setPtt(on);
        return;
    }
    if (on)
        m_port.line().setDtr(false);
    m_port.line().setRts(on);
}

void VoiceKeyer::abort() {
    if (!m_busy)
        return;
    m_aborted = true;
    m_player.stop();
}
