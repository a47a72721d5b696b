#pragma once

#include "base/seams/KeyerDevices.h"

// The WinKeyer on a serial port and cwdaemon over UDP.
class QtKeyerDevices : public KeyerDevices {
public:
    std::unique_ptr<CwKeyer> winKeyer(const QString& device) override;
    std::unique_ptr<CwKeyer> cwDaemon(const QString& host, quint16 port) override;
};
