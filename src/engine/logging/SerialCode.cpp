#include "logging/SerialCode.h"

namespace SerialCode {
QString next(const QString& code) {
    return QString::number(code.trimmed().toInt() + 1).rightJustified(3, QLatin1Char('0'));
}
} // namespace SerialCode
