#include "rules/Correction.h"

#include "rules/ContestRun.h"
#include "rules/SerialCode.h"

#include <QStringList>

namespace Correction {

std::array<QString, 3> splitExchange(const QString& exchange) {
    const QStringList words = exchange.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    switch (words.size()) {
    case 0:
        return {};
    case 1:
        return {words[0], QString(), QString()};
    case 2:
        return {words[0], QString(), words[1]};
    default:
        return {words[0], words[1], words[2]};
    }
}

QString nextSentCode(const QString& lastSent, const QString& lastMode) {
    const int reportLength = modeFromText(lastMode) == Mode::Cw ? 4 : 3;
    const QString code = lastSent.mid(reportLength).section(QLatin1Char(' '), 0, 0).trimmed();
    bool numeric = false;
    code.toInt(&numeric);
    if (!numeric)
        return QStringLiteral("001");
    return SerialCode::next(code);
}

} // namespace Correction
