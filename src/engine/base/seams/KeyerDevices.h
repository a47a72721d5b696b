#pragma once

#include <QString>
#include <memory>

class CwKeyer;

// The keyers that drive a device of their own: a K1EL WinKeyer on a serial port, cwdaemon over
// the network. Each opens its device when its first message starts.
class KeyerDevices {
public:
    virtual ~KeyerDevices() = default;
    /// A keyer for a WinKeyer on serial device `device` ("/dev/ttyUSB0").
    virtual std::unique_ptr<CwKeyer> winKeyer(const QString& device) = 0;
    /// A keyer for the cwdaemon listening on UDP `host`:`port`.
    virtual std::unique_ptr<CwKeyer> cwDaemon(const QString& host, quint16 port) = 0;
};
