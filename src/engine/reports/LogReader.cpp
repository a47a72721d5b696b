#include "reports/LogReader.h"

#include "logging/Database.h"
#include "logging/Points.h"
#include "reports/LogDate.h"

#include <QSqlQuery>

bool LogReader::read(int stage, QList<LogRow>& rows) {
    rows.clear();
    QString sql = QStringLiteral(
        "SELECT ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct FROM LogGen");
    QVariantList values;
    if (stage != 0) {
        sql += QStringLiteral(" WHERE Etp = ?");
        values << QString::number(stage);
    }
    auto query = m_db.select(sql, values);
    if (!query) {
        m_error = QStringLiteral("LOGUL NU POATE FI CITIT: ") + m_db.lastError();
        return false;
    }
    while (query->next()) {
        LogRow r;
        r.id = query->value(0).toLongLong();
        r.callsign = query->value(1).toString();
        r.data = query->value(2).toString();
        r.utc = query->value(3).toString();
        r.etp = query->value(4).toString();
        r.sent = query->value(5).toString();
        r.rcvd = query->value(6).toString();
        r.md = query->value(7).toString();
        r.jud = query->value(8).toString();
        r.mult = query->value(9).toString();
        r.pct = query->value(10).toString();
        if (!Points::storedPoints(r.pct)) {
            m_error = QStringLiteral("PUNCTAJUL \"%1\" AL CONTACTULUI CU %2 NU ESTE VALID "
                                     "(0..%3). CORECTATI CONTACTUL IN LOG.")
                          .arg(r.pct.trimmed(), r.callsign.trimmed())
                          .arg(Points::kMaxContactPoints);
            rows.clear();
            return false;
        }
        rows.append(std::move(r));
    }
    LogDate::sortByRealDate(rows);
    m_error.clear();
    return true;
}
