#include "platform/CwDaemonKeyer.h"

#include "rules/MorseTable.h"
#include "rules/MorseTiming.h"

#include <QNetworkDatagram>
#include <utility>

namespace {
constexpr char kEscape = 0x1B;
const QByteArray kSetSpeed = QByteArray(1, kEscape) + '2';
const QByteArray kAbort = QByteArray(1, kEscape) + '4';
const QByteArray kReplyRequest = QByteArray(1, kEscape) + 'h';

// The text as cwdaemon reads it: "+" and "-" change the speed by 2 wpm each, so ">" and "<"
// become two of them; "~" is its half space too; a character without a Morse sign is left out,
// a "-" above all.
QByteArray encode(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        if (c == u'>')
            out += "++";
        else if (c == u'<')
            out += "--";
        else if (c == u'a')
            out += "AR";
        else if (c == u's')
            out += "SK";
        else if (c == u' ' || c == u'~' || !MorseTable::pattern(c).isEmpty())
            out += c.toLatin1();
    }
    return out;
}
} // namespace

CwDaemonKeyer::CwDaemonKeyer(const QString& host, quint16 port, QObject* parent)
    : CwKeyer(parent), m_host(host), m_port(port) {
    m_deadline.setSingleShot(true);
    m_progress.setSingleShot(true);
    connect(&m_progress, &QTimer::timeout, this, &CwDaemonKeyer::showProgress);
    connect(&m_deadline, &QTimer::timeout, this, [this] { finishLater(KeyingResult::Done); });
    connect(&m_socket, &QUdpSocket::readyRead, this, &CwDaemonKeyer::readReplies);
    connect(&m_socket, &QUdpSocket::connected, this, [this] {
        for (const QByteArray& datagram : std::exchange(m_unsent, {}))
            if (!m_refused)
                send(datagram);
    });
    connect(&m_socket, &QUdpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::HostNotFoundError)
            refused();
    });
}

KeyingResult CwDaemonKeyer::start(const QString& text, int wpm) {
    if (isBusy())
        return KeyingResult::Busy;
    m_refused = false;
    m_phase = Phase::Sending;
    ++m_serial;
    m_starting = true;
    send(kSetSpeed + QByteArray::number(wpm));
    send(kReplyRequest + QByteArray::number(m_serial));
    send(encode(text));
    m_starting = false;
    if (std::exchange(m_refused, false)) {
        m_phase = Phase::Idle;
        return KeyingResult::PortError;
    }
    const CwMessage morse = MorseTiming::steps(text, wpm, CwWeight::Even);
    // An older cwdaemon sends no reply: the Morse length at the speed, and some leeway.
    m_deadline.start(morse.totalMs() * 3 / 2 + 1000);
    m_marks.clear();
    int at = 0;
    for (const KeyStep& step : morse.steps) {
        if (m_marks.isEmpty() || m_marks.last().second != step.shown)
            m_marks.append({at, step.shown});
        at += step.ms;
    }
    m_sinceStart.start();
    m_progress.start(0); // from the event loop, as the serial line's
    return KeyingResult::Started;
}

void CwDaemonKeyer::showProgress() {
    int shown = -1;
    while (!m_marks.isEmpty() && m_marks.first().first <= m_sinceStart.elapsed())
        shown = m_marks.takeFirst().second;
    if (shown >= 0)
        emit progress(shown);
    if (!m_marks.isEmpty())
        m_progress.start(static_cast<int>(m_marks.first().first - m_sinceStart.elapsed()));
}

void CwDaemonKeyer::abort() {
    if (m_phase != Phase::Sending)
        return;
    send(kAbort);
    finishLater(KeyingResult::Aborted);
}

void CwDaemonKeyer::send(const QByteArray& datagram) {
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        m_unsent.append(datagram);
        if (m_socket.state() == QAbstractSocket::UnconnectedState)
            m_socket.connectToHost(m_host, m_port);
        return;
    }
    if (m_socket.write(datagram) < 0)
        refused();
}

void CwDaemonKeyer::refused() {
    // Nobody listens on the port: said rather than keying nothing.
    m_refused = true;
    m_unsent.clear();
    m_socket.abort(); // looked up and connected again for the next message
    if (!m_starting)
        finishLater(KeyingResult::PortError);
}

QString CwDaemonKeyer::unreachable() const {
    return Keying::unreachable(QStringLiteral("cwdaemon la %1:%2").arg(m_host).arg(m_port));
}

void CwDaemonKeyer::readReplies() {
    if (!m_socket.hasPendingDatagrams()) {
        // Woken by the refusal of a datagram sent before: reading gives its error.
        m_socket.receiveDatagram();
        if (m_socket.error() == QAbstractSocket::ConnectionRefusedError)
            refused();
        return;
    }
    while (m_socket.hasPendingDatagrams()) {
        const QByteArray reply = m_socket.receiveDatagram().data().trimmed();
        if (m_phase == Phase::Sending && reply == 'h' + QByteArray::number(m_serial))
            finishLater(KeyingResult::Done);
    }
}

void CwDaemonKeyer::finishLater(KeyingResult result) {
    if (m_phase != Phase::Sending)
        return;
    m_phase = Phase::Ending;
    m_deadline.stop();
    m_progress.stop();
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            m_phase = Phase::Idle;
            emit finished(result);
        },
        Qt::QueuedConnection);
}
