#pragma once

#include "store/Database.h"

#include <QStringList>

/// The rows of LogGen in order of entry, each as its text columns joined by "|"; with `withId`
/// the row's ID comes first.
inline QStringList logRows(Database& db, bool withId = false) {
    const QString columns =
        QStringLiteral("Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct");
    auto q = db.select(QStringLiteral("SELECT ") + (withId ? QStringLiteral("ID, ") : QString()) +
                       columns + QStringLiteral(" FROM LogGen ORDER BY ID"));
    const int n = withId ? 11 : 10;
    QStringList rows;
    while (q && q->next()) {
        QStringList cols;
        for (int i = 0; i < n; ++i)
            cols << q->value(i).toString();
        rows << cols.join(u'|');
    }
    return rows;
}
