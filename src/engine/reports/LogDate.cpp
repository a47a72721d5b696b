#include "reports/LogDate.h"

#include <algorithm>
#include <tuple>

namespace LogDate {

QDate parseDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() != 8 || t.at(2) != u'.' || t.at(5) != u'.')
        return {};
    for (int i : {0, 1, 3, 4, 6, 7})
        if (t.at(i) < u'0' || t.at(i) > u'9')
            return {};
    return QDate(2000 + t.mid(6, 2).toInt(), t.mid(3, 2).toInt(), t.mid(0, 2).toInt());
}

QTime parseTime(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() != 5 || t.at(2) != u':')
        return {};
    for (int i : {0, 1, 3, 4})
        if (t.at(i) < u'0' || t.at(i) > u'9')
            return {};
    return QTime(t.mid(0, 2).toInt(), t.mid(3, 2).toInt());
}

QString digits(int value, int width) {
    return QString::number(value).rightJustified(width, u'0');
}

QString sqlOrder() {
    // "dd.mm.yy" read as yymmdd; unreadable dates and times sort first, as an empty key.
    return QStringLiteral(
        " ORDER BY CASE WHEN trim(Data) GLOB '[0-9][0-9].[0-9][0-9].[0-9][0-9]' "
        "THEN substr(trim(Data), 7, 2) || substr(trim(Data), 4, 2) || substr(trim(Data), 1, 2) "
        "ELSE '' END, "
        "CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) ELSE '' END, ID");
}

void sortByRealDate(QList<LogRow>& rows) {
    struct Keyed {
        qint64 day;
        int minute;
        qint64 id;
        qsizetype index;
    };
    QList<Keyed> keys;
    keys.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QDate d = parseDate(rows[i].data);
        const QTime t = parseTime(rows[i].utc);
        keys.append({d.isValid() ? d.toJulianDay() : -1,
                     t.isValid() ? t.msecsSinceStartOfDay() / 60000 : -1, rows[i].id, i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.day, a.minute, a.id) < std::tie(b.day, b.minute, b.id);
    });
    QList<LogRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keys)
        sorted.append(std::move(rows[k.index]));
    rows = std::move(sorted);
}

} // namespace LogDate
