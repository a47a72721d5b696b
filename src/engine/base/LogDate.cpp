#include "base/LogDate.h"

#include <charconv>

namespace LogDate {

QDate parseDate(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.size() != 8 || t.at(2) != u'.' || t.at(5) != u'.')
        return {};
    for (int i : {0, 1, 3, 4, 6, 7})
        if (t.at(i) < u'0' || t.at(i) > u'9')
            return {};
    return {2000 + t.mid(6, 2).toInt(), t.mid(3, 2).toInt(), t.mid(0, 2).toInt()};
}

QTime parseTime(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.size() != 5 || t.at(2) != u':')
        return {};
    for (int i : {0, 1, 3, 4})
        if (t.at(i) < u'0' || t.at(i) > u'9')
            return {};
    return {t.mid(0, 2).toInt(), t.mid(3, 2).toInt()};
}

void appendDigits(QString& out, int value, int width) {
    const qsizetype start = out.size();
    appendNumber(out, value);
    while (out.size() - start < width)
        out.insert(start, u'0');
}

void appendNumber(QString& out, qint64 value) {
    char text[24];
    const qsizetype length = std::to_chars(text, text + sizeof text, value).ptr - text;
    out += QLatin1StringView(text, length);
}

QString sqlDateKey() {
    // "dd.mm.yy" read as yymmdd (two-digit years are 2000..2099); the same text as the indexes.
    return QStringLiteral("CASE WHEN trim(Data) GLOB '[0-9][0-9].[0-9][0-9].[0-9][0-9]' "
                          "THEN substr(trim(Data), 7, 2) || substr(trim(Data), 4, 2) || "
                          "substr(trim(Data), 1, 2) ELSE '' END");
}

QString sqlOrder(bool newestFirst) {
    const QString direction = newestFirst ? QStringLiteral(" DESC") : QString();
    return QStringLiteral(" ORDER BY ") + sqlDateKey() + direction +
           QStringLiteral(", CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) "
                          "ELSE '' END") +
           direction + QStringLiteral(", ID") + direction;
}

} // namespace LogDate
