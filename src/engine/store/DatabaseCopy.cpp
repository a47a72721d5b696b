#include "store/DatabaseCopy.h"

#include "base/ErrorReason.h"

#include <QCryptographicHash>
#include <QStringList>
#include <QThread>
#include <sqlite3.h>

namespace DatabaseCopy {

Outcome<void> copy(SqliteConnection& from, SqliteConnection& to, const Progress& progress) {
    sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup)
        return Failure{ErrorReason::ofSqliteCode(sqlite3_errcode(to.handle()))};
    // Without progress all pages in one step, under a single read lock. In parts, a source
    // changed between two parts makes SQLite start the copy again: one snapshot either way.
    const int pagesPerStep = progress ? 256 : -1;
    int rc = SQLITE_OK;
    bool stopped = false;
    for (int tries = 0; !stopped && tries < 50;) {
        rc = sqlite3_backup_step(backup, pagesPerStep);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            ++tries;
            QThread::msleep(100);
        } else if (rc != SQLITE_OK) {
            break;
        } else if (progress) {
            const int total = sqlite3_backup_pagecount(backup);
            stopped = !progress(total - sqlite3_backup_remaining(backup), total);
        }
    }
    sqlite3_backup_finish(backup);
    if (stopped)
        return Failure{QStringLiteral("copierea a fost oprita")};
    if (rc == SQLITE_DONE)
        return {};
    return Failure{ErrorReason::ofSqliteCode(rc)};
}

namespace {
bool addRows(sqlite3* db, const QByteArray& sql, QCryptographicHash& hash) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            // Type and length go in too, so no two different rows give the same bytes.
            const char type = char(sqlite3_column_type(stmt, c));
            const void* bytes = sqlite3_column_blob(stmt, c);
            const int size = sqlite3_column_bytes(stmt, c);
            hash.addData(QByteArrayView(&type, 1));
            hash.addData(QByteArray::number(size) + ':');
            hash.addData(QByteArrayView(static_cast<const char*>(bytes), size));
        }
        hash.addData(QByteArrayView("\n", 1));
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}
} // namespace

QByteArray fingerprint(SqliteConnection& db) {
    // One read transaction: the digest describes one state of the file.
    if (!db.exec("BEGIN"))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QStringList tables;
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(
                  db.handle(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name",
                  -1, &stmt, nullptr) == SQLITE_OK;
    while (ok && sqlite3_step(stmt) == SQLITE_ROW)
        tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    ok =
        ok && addRows(db.handle(), "SELECT type, name, sql FROM sqlite_master ORDER BY name", hash);
    for (const QString& table : std::as_const(tables)) {
        // A table name cannot be bound; it comes from the file's own schema, quoted.
        QString quoted = table;
        quoted.replace(u'"', QStringLiteral("\"\""));
        ok = ok &&
             addRows(db.handle(),
                     QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(quoted).toUtf8(),
                     hash);
    }
    (void)db.exec("COMMIT"); // a read transaction: nothing to lose
    return ok ? hash.result() : QByteArray();
}

} // namespace DatabaseCopy
