#include "rules/SerialCode.h"

namespace SerialCode {
QString next(const QString& code) {
    return text(code.trimmed().toInt() + 1);
}

QString text(int n) {
    return QString::number(n).rightJustified(3, QLatin1Char('0'));
}
} // namespace SerialCode
