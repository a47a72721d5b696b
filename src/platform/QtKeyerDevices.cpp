#include "platform/QtKeyerDevices.h"

#include "platform/CwDaemonKeyer.h"
#include "platform/WinKeyerKeyer.h"

std::unique_ptr<CwKeyer> QtKeyerDevices::winKeyer(const QString& device) {
    return std::make_unique<WinKeyerKeyer>(device);
}

std::unique_ptr<CwKeyer> QtKeyerDevices::cwDaemon(const QString& host, quint16 port) {
    return std::make_unique<CwDaemonKeyer>(host, port);
}
