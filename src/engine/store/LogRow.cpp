#include "store/LogRow.h"

#include <QSqlQuery>

const QString& LogRow::columns() {
    static const QString names =
        QStringLiteral("ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct, Frecv");
    return names;
}

const QStringList& LogRow::textColumns() {
    static const QStringList names = columns().split(QStringLiteral(", ")).mid(1, kTexts.size());
    return names;
}

LogRow LogRow::fromQuery(const QSqlQuery& q) {
    LogRow r;
    r.id = q.value(0).toLongLong();
    for (int i = 0; i < int(kTexts.size()); ++i)
        r.*kTexts[i] = q.value(i + 1).toString();
    bool ok = false;
    const qint64 hz = q.value(int(kTexts.size()) + 1).toLongLong(&ok);
    if (ok && hz > 0)
        r.frequency = hz;
    return r;
}

QVariant LogRow::value(int column) const {
    if (column == 0)
        return id;
    if (column < 1 || column > int(kTexts.size()))
        return {};
    return this->*kTexts[column - 1];
}
