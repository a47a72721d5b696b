#include "base/SystemOffset.h"

#include <cmath>

namespace SystemOffset {

QString text(const Clock& clock) {
    return QString::number(clock.utcOffsetSeconds() / 3600.0);
}

QString notice(const QString& typed, const Clock& clock) {
    bool isNumber = false;
    const double hours = typed.trimmed().toDouble(&isNumber);
    // Compared in whole minutes, as zones are.
    if (isNumber && std::lround(hours * 60) == clock.utcOffsetSeconds() / 60)
        return {};
    return QStringLiteral("DIFERENTA ORA YO - ORA UTC SCRISA IN BOX ESTE %1, DAR CALCULATORUL "
                          "ARE %2 (FUS ORAR %3). ORELE CONTACTELOR SE IAU DIN ORA UTC A "
                          "CALCULATORULUI, NU DIN ACEST BOX.")
        .arg(typed.trimmed(), text(clock), QString::fromUtf8(clock.zone().id()));
}

} // namespace SystemOffset
