#include "services/keyer/KeyerChoice.h"

#include "base/seams/KeyerDevices.h"

namespace {
const QString kSerialLineInstead =
    QStringLiteral(" CW se transmite pe linia DTR a portului serial din pagina de start.");

bool sameDevice(const RadioSettings& a, const RadioSettings& b) {
    return a.keyer == b.keyer && a.winKeyerPort == b.winKeyerPort &&
           a.cwDaemonHost == b.cwDaemonHost && a.cwDaemonPort == b.cwDaemonPort;
}
} // namespace

KeyerChoice::KeyerChoice(KeyLine& line, RealtimePriority& realtime, std::function<int()> portNumber,
                         KeyerDevices& devices, QObject* parent)
    : CwKeyer(parent), m_port(line), m_serialLine(m_port, realtime, std::move(portNumber)),
      m_devices(devices) {
    forward(&m_serialLine);
}

KeyerChoice::~KeyerChoice() = default;

void KeyerChoice::forward(CwKeyer* keyer) {
    connect(keyer, &CwKeyer::progress, this, [this, keyer](int shown) {
        if (keyer == m_sending)
            emit progress(shown);
    });
    connect(keyer, &CwKeyer::finished, this,
            [this, keyer](KeyingResult r) { keyerFinished(keyer, r); });
}

void KeyerChoice::keyerFinished(CwKeyer* keyer, KeyingResult result) {
    if (keyer != m_sending)
        return;
    m_sending = nullptr;
    if (m_retiring.get() == keyer)
        m_retiring.release()->deleteLater(); // it is still emitting
    emit finished(result);
}

QString KeyerChoice::choose(const RadioSettings& settings, CwKeyer* radioCat) {
    if (m_sending)
        m_sending->abort(); // its finished() still comes through
    if (radioCat != m_radioCat) {
        if (m_radioCat && m_radioCat != m_sending)
            disconnect(m_radioCat, nullptr, this, nullptr);
        m_radioCat = radioCat;
        if (radioCat)
            forward(radioCat);
    }
    QString notice;
    switch (settings.keyer) {
    case KeyerKind::SerialLine:
        m_current = &m_serialLine;
        break;
    case KeyerKind::RadioCat:
        m_current = radioCat ? radioCat : &m_serialLine;
        if (!radioCat)
            notice = QStringLiteral("Manipularea prin CAT cere controlul statiei, care nu este "
                                    "pornit.") +
                     kSerialLineInstead;
        break;
    case KeyerKind::WinKeyer:
    case KeyerKind::CwDaemon: {
        const Outcome<CwKeyer*> chosen = device(settings);
        m_current = chosen.valueOr(&m_serialLine);
        notice = chosen.error();
        break;
    }
    }
    m_current->setWeight(m_weight);
    return notice;
}

Outcome<CwKeyer*> KeyerChoice::device(const RadioSettings& settings) {
    if (m_device && sameDevice(settings, m_deviceSettings))
        return m_device.get();
    if (m_device && m_device.get() == m_sending)
        m_retiring = std::move(m_device);
    m_device.reset();
    const bool winKeyer = settings.keyer == KeyerKind::WinKeyer;
    const QString address = (winKeyer ? settings.winKeyerPort : settings.cwDaemonHost).trimmed();
    if (address.isEmpty())
        return Failure{(winKeyer ? QStringLiteral("Portul serial al WinKeyer nu este ales.")
                                 : QStringLiteral("Adresa cwdaemon nu este aleasa.")) +
                       kSerialLineInstead};
    m_device =
        winKeyer ? m_devices.winKeyer(address) : m_devices.cwDaemon(address, settings.cwDaemonPort);
    m_deviceSettings = settings;
    forward(m_device.get());
    return m_device.get();
}

KeyingResult KeyerChoice::start(const QString& text, int wpm) {
    if (m_sending)
        return KeyingResult::Busy;
    const KeyingResult r = m_current->start(text, wpm);
    if (r == KeyingResult::Started)
        m_sending = m_current;
    return r;
}

void KeyerChoice::abort() {
    if (m_sending)
        m_sending->abort();
}

void KeyerChoice::setWeight(CwWeight weight) {
    m_weight = weight;
    m_current->setWeight(weight);
}
