#include "platform/QtKeyLine.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>

QtKeyLine::QtKeyLine(QString dataFolder) : m_dataFolder(std::move(dataFolder)) {}

QtKeyLine::~QtKeyLine() {
    close();
}

QString QtKeyLine::deviceFor(int port) const {
    if (port < 1)
        return {};
    const QString name = QStringLiteral("COM%1").arg(port);
    // The link's own target, not its final one: a /dev/serial/by-id name stays readable and does
    // not change between boots.
    const QFileInfo link(QDir(m_dataFolder).filePath(name));
    if (link.isSymLink())
        return link.symLinkTarget();
#ifdef Q_OS_WIN
    return name;
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

bool QtKeyLine::open(int port) {
    if (isOpen() && port == m_openPort)
        return true;
    close();
    const QString device = deviceFor(port);
    if (device.isEmpty())
        return false;
    auto serial = std::make_unique<QSerialPort>(device);
    serial->setBaudRate(QSerialPort::Baud19200);
    serial->setDataBits(QSerialPort::Data8);
    serial->setParity(QSerialPort::NoParity);
    serial->setStopBits(QSerialPort::OneStop);
    serial->setFlowControl(QSerialPort::NoFlowControl);
    if (!serial->open(QIODevice::WriteOnly))
        return false;
    // The driver raises both lines on open; a port whose lines cannot be driven cannot key.
    if (!serial->setDataTerminalReady(false) || !serial->setRequestToSend(false)) {
        serial->close();
        return false;
    }
    m_serial = std::move(serial);
    m_openPort = port;
    return true;
}

bool QtKeyLine::isOpen() const {
    return m_serial && m_serial->isOpen();
}

void QtKeyLine::setDtr(bool on) {
    if (isOpen())
        m_serial->setDataTerminalReady(on);
}

void QtKeyLine::setRts(bool on) {
    if (isOpen())
        m_serial->setRequestToSend(on);
}

void QtKeyLine::close() {
    if (isOpen()) {
        m_serial->setDataTerminalReady(false);
        m_serial->setRequestToSend(false);
        m_serial->close();
    }
    m_serial.reset();
    m_openPort = 0;
}
