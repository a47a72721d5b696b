#pragma once

#include "base/seams/KeyLine.h"

#include <QString>
#include <memory>

class QSerialPort;

// The key lines of a serial port. Not thread-safe: one thread at a time drives it (the sender owns
// it while a message is under way); the port is opened write-only, so no socket notifier ties it
// to the thread that opened it.
class QtKeyLine : public KeyLine {
public:
    /// `dataFolder` may hold COM<N> symbolic links that name the device of port N.
    explicit QtKeyLine(QString dataFolder);
    ~QtKeyLine() override;
    QtKeyLine(const QtKeyLine&) = delete;
    QtKeyLine& operator=(const QtKeyLine&) = delete;

    bool open(int port) override;
    bool isOpen() const override;
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void close() override;
    QString deviceFor(int port) const override;

private:
    QString m_dataFolder;
    std::unique_ptr<QSerialPort> m_serial;
    int m_openPort = 0;
};
