#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <unistd.h>

// A WinKeyer on a pseudo-terminal: records what the program writes, answers host open with
// a version, and keys each text character in 20 ms, echoing it, with the status bytes of a
// WinKeyer: busy when it starts, idle once its buffer is empty or cleared. Its device is a link
// that names the pseudo-terminal while it is plugged in.
class FakeWinKeyer : public QObject {
public:
    FakeWinKeyer() {
        // Named after the folder: the serial port's lock file is named after the device.
        m_device =
            m_folder.filePath(QStringLiteral("winkeyer-") + QFileInfo(m_folder.path()).fileName());
        plugIn();
        connect(&m_keying, &QTimer::timeout, this, [this] { keyNext(); });
    }
    ~FakeWinKeyer() override { unplug(); }

    /// The pseudo-terminal closed and the link gone, as a WinKeyer pulled out of its socket.
    void unplug() {
        if (m_master < 0)
            return;
        delete m_notifier;
        m_notifier = nullptr;
        ::close(m_slave);
        ::close(m_master);
        m_master = m_slave = -1;
        QFile::remove(m_device);
    }
    void plugIn() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            qFatal("no pseudo-terminal");
        // Held open so that the master never reads a hang-up while the program has it closed.
        m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
        if (!QFile::link(QString::fromLocal8Bit(ptsname(m_master)), m_device))
            qFatal("no link to the pseudo-terminal");
        m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { readNow(); });
    }

    QString device() const { return m_device; }
    /// Reads what the program wrote so far; true when there was something.
    bool readNow() {
        char buffer[256];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        for (ssize_t i = 0; i < n; ++i)
            take(static_cast<quint8>(buffer[i]));
        return true;
    }
    /// The operator touches the paddle: the WinKeyer drops its buffer and says so.
    void breakIn() {
        m_queue.clear();
        answer(0xC2);
        idle();
    }

    /// What was received, each command as "<command parameters>" in hex: "<02 28>TU".
    QString sent;
    int messages = 0; // speed commands, one at the start of each message

private:
    static constexpr int kCharMs = 20;

    void take(quint8 byte) {
        const QString hex = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
        if (m_params > 0) {
            sent += u' ' + hex + (m_params == 1 ? QStringLiteral(">") : QString());
            --m_params;
            if (m_command == 0x00 && byte == 0x02)
                answer(30); // host open: the version
            if (m_command == 0x1B)
                queue(byte); // the letters of a prosign
            return;
        }
        m_command = byte;
        static const QByteArray withOne("\x00\x02\x03\x0E\x1C", 5);
        if (withOne.contains(static_cast<char>(byte)))
            m_params = 1;
        else if (byte == 0x1B)
            m_params = 2;
        else if (byte == 0x0A)
            clear();
        else if (byte >= 0x20)
            queue(byte);
        sent += byte >= 0x20 ? QString(QLatin1Char(static_cast<char>(byte)))
                             : u'<' + hex + (m_params > 0 ? QString() : QStringLiteral(">"));
        if (byte == 0x02)
            ++messages;
    }
    void queue(quint8 letter) {
        m_queue += static_cast<char>(letter);
        if (m_keying.isActive())
            return;
        answer(0xC4);
        m_keying.start(kCharMs);
    }
    void keyNext() {
        answer(static_cast<quint8>(m_queue.front()));
        m_queue.remove(0, 1);
        if (m_queue.isEmpty())
            idle();
    }
    void clear() {
        m_queue.clear();
        if (m_keying.isActive())
            idle();
    }
    void idle() {
        m_keying.stop();
        answer(0xC0);
    }
    void answer(quint8 byte) {
        const char c = static_cast<char>(byte);
        if (::write(m_master, &c, 1) != 1)
            qWarning("the fake WinKeyer could not answer");
    }

    QTemporaryDir m_folder;
    int m_master = -1;
    int m_slave = -1;
    QString m_device;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_keying;
    QByteArray m_queue;
    quint8 m_command = 0;
    int m_params = 0;
};
