#include "setup/SettingsRecord.h"

#include <QRegularExpression>

int UtcOffset::hours() const {
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const auto m = leading.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

bool UtcOffset::isReal() const {
    bool isNumber = false;
    const double h = text.trimmed().toDouble(&isNumber);
    return isNumber && h >= -12 && h <= 14;
}
