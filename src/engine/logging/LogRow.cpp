#include "logging/LogRow.h"

#include <QSqlQuery>

const QString& LogRow::columns() {
    static const QString names =
        QStringLiteral("ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct, Frecv");
    return names;
}

LogRow LogRow::fromQuery(const QSqlQuery& q) {
    LogRow r;
    r.id = q.value(0).toLongLong();
    QString* texts[] = {&r.callsign, &r.date, &r.utc,    &r.stage, &r.sent,
                        &r.rcvd,     &r.mode, &r.county, &r.mult,  &r.points};
    for (int i = 0; i < 10; ++i)
        *texts[i] = q.value(i + 1).toString();
    bool ok = false;
    const qint64 hz = q.value(11).toLongLong(&ok);
    if (ok && hz > 0)
        r.frequency = hz;
    return r;
}

QVariant LogRow::value(int column) const {
    if (column == 0)
        return id;
    const QString* const values[] = {&callsign, &date, &utc,    &stage, &sent,
                                     &rcvd,     &mode, &county, &mult,  &points};
    if (column < 1 || column > 10)
        return {};
    return *values[column - 1];
}
