#include "store/SqliteConnection.h"

#include "base/ErrorReason.h"

#include <sqlite3.h>

SqliteConnection::~SqliteConnection() {
    close();
}

Outcome<void> SqliteConnection::open(const QString& path, Mode mode) {
    close();
    m_path = path;
    const int flags = mode == Mode::ReadOnly    ? SQLITE_OPEN_READONLY
                      : mode == Mode::ReadWrite ? SQLITE_OPEN_READWRITE
                                                : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const Failure failure = takeError();
        close();
        return failure;
    }
    sqlite3_busy_timeout(m_db, 5000);
    return {};
}

void SqliteConnection::close() {
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

Failure SqliteConnection::takeError() {
    m_code = m_db ? sqlite3_errcode(m_db) : SQLITE_NOMEM;
    return Failure{ErrorReason::ofSqliteCode(m_code)};
}

bool SqliteConnection::busy() const {
    return (m_code & 0xff) == SQLITE_BUSY || (m_code & 0xff) == SQLITE_LOCKED;
}

Outcome<void> SqliteConnection::exec(const char* sql) {
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return {};
    return takeError();
}

std::optional<QStringList> SqliteConnection::column(const QString& sql, const QStringList& values) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        takeError();
        return std::nullopt;
    }
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(stmt, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    QStringList rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    if (rc != SQLITE_DONE)
        takeError();
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE ? std::optional<QStringList>(rows) : std::nullopt;
}

std::optional<QString> SqliteConnection::text(const QString& sql, const QStringList& values) {
    const std::optional<QStringList> rows = column(sql, values);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first();
}

bool SqliteConnection::hasTable(const QString& table) {
    return text(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                               "name = ? COLLATE NOCASE"),
                {table})
               .value_or(QString())
               .toInt() > 0;
}
