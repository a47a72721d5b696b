#include "reports/LogReader.h"

#include "logging/Database.h"
#include "logging/Points.h"
#include "reports/LogDate.h"

#include <QSqlError>

LogReader::Select LogReader::select(const QString& columns, int stage) {
    Select q{QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM LogGen"), {}};
    if (stage != 0) {
        q.sql += QStringLiteral(" WHERE Etp = ?");
        q.values << QString::number(stage);
    }
    return q;
}

bool LogReader::failed(const QString& reason) {
    m_query.reset();
    m_error = reason;
    return false;
}

Outcome<void> LogReader::open(int stage) {
    m_error.clear();
    const Select q = select(LogRow::columns(), stage);
    Outcome<QSqlQuery> rows = m_db.select(q.sql + LogDate::sqlOrder(), q.values);
    if (!rows) {
        failed(QStringLiteral("LOGUL NU POATE FI CITIT: ") + rows.error());
        return Failure{m_error};
    }
    m_query = *std::move(rows);
    return {};
}

bool LogReader::next(LogRow& r) {
    if (!m_query)
        return false;
    if (!m_query->next()) {
        // The end of the rows, or a read that failed on the way.
        const QSqlError e = m_query->lastError();
        return e.isValid() ? failed(QStringLiteral("LOGUL NU POATE FI CITIT: ") + e.text())
                           : failed(QString());
    }
    r = LogRow::fromQuery(*m_query);
    if (!Points::storedPoints(r.points))
        return failed(QStringLiteral("PUNCTAJUL \"%1\" AL CONTACTULUI CU %2 NU ESTE VALID "
                                     "(0..%3). CORECTATI CONTACTUL IN LOG.")
                          .arg(r.points.trimmed(), r.callsign.trimmed())
                          .arg(Points::kMaxContactPoints));
    return true;
}

Outcome<QList<LogRow>> LogReader::read(int stage) {
    if (const Outcome<void> opened = open(stage); !opened)
        return Failure{opened.error()};
    QList<LogRow> rows;
    LogRow r;
    while (next(r))
        rows.append(r);
    if (!m_error.isEmpty())
        return Failure{m_error};
    return rows;
}
