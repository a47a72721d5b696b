#include "base/RadioSettings.h"

bool isRigctldAddress(const QString& address) {
    bool ok = false;
    const int port = address.section(u':', -1).toInt(&ok);
    return address.contains(u':') && !address.section(u':', 0, -2).isEmpty() && ok && port >= 1 &&
           port <= 65535;
}

QString RadioSettings::problem() const {
    if (keyer == KeyerKind::WinKeyer && winKeyerPort.trimmed().isEmpty())
        return QStringLiteral("Scrieti portul serial al WinKeyer-ului (de exemplu /dev/ttyUSB0).");
    if (keyer == KeyerKind::CwDaemon && cwDaemonHost.trimmed().isEmpty())
        return QStringLiteral("Scrieti adresa calculatorului pe care ruleaza cwdaemon.");
    if ((keyer == KeyerKind::RadioCat || pttByCat) && rigModel == 0)
        return QStringLiteral("Pentru CW sau PTT prin CAT alegeti modelul radioului.");
    if (rigModel == kNetworkModel && !rigPort.isEmpty() && !isRigctldAddress(rigPort))
        return QStringLiteral("Adresa rigctld se scrie gazda:port, de exemplu localhost:4532.");
    return {};
}
