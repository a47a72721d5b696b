#include "store/LogReader.h"

#include "base/ErrorReason.h"
#include "base/LogDate.h"
#include "rules/Points.h"
#include "store/Database.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace {
const QString kUnreadable = QStringLiteral("LOGUL NU POATE FI CITIT: ");

// The SQLite connection under the named one, as its driver gives it: the same library, the same
// transaction. Null when the database is not open.
sqlite3* sqliteOf(const QSqlDatabase& db) {
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}
} // namespace

LogReader::Select LogReader::select(const QString& columns, int stage) {
    Select q{QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM LogGen"), {}};
    if (stage != 0) {
        q.sql += QStringLiteral(" WHERE Etp = ?");
        q.values << QString::number(stage);
    }
    return q;
}

LogReader::~LogReader() {
    close();
}

void LogReader::close() {
    sqlite3_finalize(m_rows);
    m_rows = nullptr;
}

Failure LogReader::brokeOff(const QString& reason) {
    close();
    return Failure{reason};
}

Outcome<void> LogReader::open(int stage) {
    close();
    const Select q = select(LogRow::columns(), stage);
    sqlite3* db = sqliteOf(m_db.handle());
    const QByteArray sql = (q.sql + LogDate::sqlOrder()).toUtf8();
    const bool prepared = db && sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_rows,
                                                   nullptr) == SQLITE_OK;
    for (int i = 0; prepared && i < q.values.size(); ++i)
        sqlite3_bind_text(m_rows, i + 1, q.values[i].toString().toUtf8().constData(), -1,
                          SQLITE_TRANSIENT);
    if (!prepared)
        return brokeOff(kUnreadable + (db ? ErrorReason::ofSqliteCode(sqlite3_errcode(db))
                                          : QStringLiteral("baza de date nu este deschisa")));
    return {};
}

QString LogReader::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_rows, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_rows, column)) : QString();
}

Outcome<bool> LogReader::next(LogRow& r) {
    if (!m_rows)
        return false;
    const int rc = sqlite3_step(m_rows);
    if (rc == SQLITE_DONE) {
        close();
        return false;
    }
    if (rc != SQLITE_ROW)
        return brokeOff(kUnreadable + ErrorReason::ofSqliteCode(rc));
    r.id = sqlite3_column_int64(m_rows, 0);
    const int texts = int(LogRow::kTexts.size());
    for (int i = 0; i < texts; ++i)
        r.*LogRow::kTexts[i] = text(i + 1);
    r.frequency.reset();
    if (sqlite3_column_type(m_rows, texts + 1) != SQLITE_NULL &&
        sqlite3_column_int64(m_rows, texts + 1) > 0)
        r.frequency = sqlite3_column_int64(m_rows, texts + 1);
    if (!Points::storedPoints(r.points))
        return brokeOff(QStringLiteral("PUNCTAJUL \"%1\" AL CONTACTULUI CU %2 NU ESTE VALID "
                                       "(0..%3). CORECTATI CONTACTUL IN LOG.")
                            .arg(r.points.trimmed(), r.callsign.trimmed())
                            .arg(Points::kMaxContactPoints));
    return true;
}

Outcome<void> LogReader::forEach(int stage, const std::function<void(const LogRow&)>& take) {
    if (Outcome<void> opened = open(stage); !opened)
        return opened;
    LogRow r;
    for (;;) {
        const Outcome<bool> got = next(r);
        if (!got)
            return Failure{got.error()};
        if (!*got)
            return {};
        take(r);
    }
}

Outcome<QList<LogRow>> LogReader::read(int stage) {
    QList<LogRow> rows;
    if (const Outcome<void> walked = forEach(stage, [&](const LogRow& r) { rows.append(r); });
        !walked)
        return Failure{walked.error()};
    return rows;
}
