#include "platform/WinKeyerKeyer.h"

#include "rules/MorseTable.h"
#include "rules/MorseTiming.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// Host-mode commands of the WinKeyer 2 and 3.
constexpr char kAdmin = 0x00;
constexpr char kHostOpen = 0x02;
constexpr char kHostClose = 0x03;
constexpr char kSetSpeed = 0x02;
constexpr char kSetWeight = 0x03;
constexpr char kClearBuffer = 0x0A;
constexpr char kSetMode = 0x0E;
constexpr char kMergeLetters = 0x1B;
constexpr char kBufferedSpeed = 0x1C;
constexpr char kCancelBufferedSpeed = 0x1E;
// Iambic B, each sent character echoed back: the echoes show how far the message has gone.
constexpr char kModeSerialEcho = 0x04;

constexpr quint8 kStatusMask = 0xC0;
constexpr quint8 kSpeedPotMask = 0x80;
constexpr quint8 kBreakIn = 0x02;
constexpr quint8 kBusy = 0x04;

constexpr int kMinSpeed = 5;
constexpr int kMaxSpeed = 99;
constexpr int kSpeedSign = 5; // what ">" and "<" add or take away, as on the serial line

QByteArray bytes(std::initializer_list<char> list) {
    return {list.begin(), static_cast<qsizetype>(list.size())};
}

char speedByte(int wpm) {
    return static_cast<char>(std::clamp(wpm, kMinSpeed, kMaxSpeed));
}

// The weighting byte: 50 is even; the heavier marks of "0.8" and "0.9" as a share of the unit.
char weightByte(CwWeight weight) {
    switch (weight) {
    case CwWeight::Heavy:
        return 58;
    case CwWeight::Heavier:
        return 67;
    case CwWeight::Even:
        break;
    }
    return 50;
}

// The bytes of one message, and for each echoed character the part of the text then shown.
struct Encoded {
    QByteArray bytes;
    QList<int> shown;
};

Encoded encode(const QString& text, int wpm, CwWeight weight) {
    Encoded out;
    out.bytes = bytes({kSetSpeed, speedByte(wpm), kSetWeight, weightByte(weight)});
    int speed = wpm;
    bool speedChanged = false;
    const auto changeSpeed = [&](int to) {
        out.bytes += bytes({kBufferedSpeed, speedByte(to)});
        speedChanged = true;
    };
    const auto send = [&](const QByteArray& letters, int shown) {
        out.bytes += letters;
        for (qsizetype i = 0; i < letters.size(); ++i)
            out.shown.append(shown);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int shown = static_cast<int>(i + 1);
        if (c == u'>' || c == u'<') {
            speed = std::max(speed + (c == u'>' ? kSpeedSign : -kSpeedSign),
                             MorseTiming::kMinMessageSpeed);
            changeSpeed(speed);
        } else if (c == u'~') {
            // A word space at twice the speed is the half space of the serial line.
            changeSpeed(2 * speed);
            send(" ", shown);
            changeSpeed(speed);
        } else if (c == u'a' || c == u's') { // the prosigns AR and SK
            out.bytes += kMergeLetters;
            send(c == u'a' ? "AR" : "SK", shown);
        } else if (c == u' ' || !MorseTable::pattern(c).isEmpty()) {
            send(QByteArray(1, static_cast<char>(c.toLatin1())), shown);
        }
    }
    if (speedChanged)
        out.bytes += kCancelBufferedSpeed;
    return out;
}
} // namespace

WinKeyerKeyer::WinKeyerKeyer(const QString& device, QObject* parent)
    : CwKeyer(parent), m_device(device) {
    m_serial.setPortName(device);
    m_deadline.setSingleShot(true);
    connect(&m_serial, &QSerialPort::readyRead, this, &WinKeyerKeyer::readAnswers);
    connect(&m_serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::ResourceError)
            return;       // a pseudo-terminal has no modem lines; only a vanished device matters
        m_serial.close(); // without host close: nothing reaches a device that is gone
        finishLater(KeyingResult::PortError); // opened again by the next message
    });
    connect(&m_deadline, &QTimer::timeout, this, &WinKeyerKeyer::abort);
}

WinKeyerKeyer::~WinKeyerKeyer() {
    close();
}

bool WinKeyerKeyer::ensureOpen() {
    if (m_serial.isOpen())
        return true;
    m_serial.setBaudRate(QSerialPort::Baud1200);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::TwoStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_serial.open(QIODevice::ReadWrite))
        return false;
    // Some interfaces take their supply from DTR; RTS stays off.
    m_serial.setDataTerminalReady(true);
    m_serial.setRequestToSend(false);
    m_serial.clearError();
    m_versionAwaited = true;
    return m_serial.write(bytes({kAdmin, kHostOpen, kSetMode, kModeSerialEcho})) == 4;
}

QString WinKeyerKeyer::unreachable() const {
    return Keying::unreachable(QStringLiteral("WinKeyer pe %1").arg(m_device));
}

void WinKeyerKeyer::close() {
    if (!m_serial.isOpen())
        return;
    m_serial.write(bytes({kAdmin, kHostClose}));
    m_serial.flush();
    m_serial.close();
}

KeyingResult WinKeyerKeyer::start(const QString& text, int wpm) {
    if (isBusy())
        return KeyingResult::Busy;
    if (!ensureOpen()) {
        close();
        return KeyingResult::PortError;
    }
    const Encoded message = encode(text, wpm, m_weight);
    if (m_serial.write(message.bytes) != message.bytes.size()) {
        close();
        return KeyingResult::PortError;
    }
    m_phase = Phase::Sending;
    m_keying = false;
    m_shownAfterEcho = message.shown;
    if (message.shown.isEmpty()) {
        finishLater(KeyingResult::Done); // nothing to key: no status will say it has ended
        return KeyingResult::Started;
    }
    // Twice the length on the serial line, and time for the WinKeyer to answer.
    m_deadline.start(2 * MorseTiming::steps(text, wpm, m_weight).totalMs() + 3000);
    return KeyingResult::Started;
}

void WinKeyerKeyer::abort() {
    if (m_phase != Phase::Sending)
        return;
    m_serial.write(QByteArray(1, kClearBuffer));
    finishLater(KeyingResult::Aborted);
}

void WinKeyerKeyer::readAnswers() {
    for (const char c : m_serial.readAll()) {
        const auto byte = static_cast<quint8>(c);
        if (std::exchange(m_versionAwaited, false))
            continue;
        if ((byte & kStatusMask) == kStatusMask)
            status(byte);
        else if ((byte & kStatusMask) != kSpeedPotMask && m_phase == Phase::Sending &&
                 !m_shownAfterEcho.isEmpty())
            emit progress(m_shownAfterEcho.takeFirst());
    }
}

void WinKeyerKeyer::status(quint8 byte) {
    if (m_phase != Phase::Sending)
        return;
    if (byte & kBreakIn)
        finishLater(KeyingResult::Aborted); // the WinKeyer has dropped the rest itself
    else if (byte & kBusy)
        m_keying = true;
    else if (m_keying)
        finishLater(KeyingResult::Done);
}

void WinKeyerKeyer::finishLater(KeyingResult result) {
    if (m_phase != Phase::Sending)
        return;
    m_phase = Phase::Ending;
    m_deadline.stop();
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            m_phase = Phase::Idle;
            emit finished(result);
        },
        Qt::QueuedConnection);
}
