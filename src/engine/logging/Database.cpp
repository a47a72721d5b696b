#include "logging/Database.h"

#include "logging/BackupSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

Database::Database(QString connectionName) : m_name(std::move(connectionName)) {}

Database::~Database() {
    close();
}

QSqlDatabase Database::handle() const {
    return m_added ? QSqlDatabase::database(m_name, false) : QSqlDatabase();
}

bool Database::isOpen() const {
    return m_added && handle().isOpen();
}

void Database::close() {
    // Only the object that added the connection removes it.
    if (!m_added)
        return;
    {
        QSqlDatabase db = handle();
        db.close();
    }
    m_added = false;
    QSqlDatabase::removeDatabase(m_name);
}

namespace {
// SQLite's own header; anything else under the database's name is left alone.
bool looksLikeSqlite(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return true; // unreadable: let the open report it
    const QByteArray head = f.read(16);
    return head.isEmpty() || head == QByteArrayLiteral("SQLite format 3\0");
}
} // namespace

Database::OpenResult Database::open(const QString& path, const QString& requiredTable) {
    close();
    m_path = path;
    // A second object under the same name would silently replace the first one's connection.
    if (QSqlDatabase::contains(m_name)) {
        m_lastError = QStringLiteral("connection name in use");
        return OpenResult::Failed;
    }
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        m_lastError = QStringLiteral("missing");
        return OpenResult::Missing;
    }
    if (!looksLikeSqlite(path)) {
        m_lastError = QStringLiteral("not an SQLite database");
        return OpenResult::NotDatabase;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_added = true;
        // mode=rw: SQLite refuses to create a file that is not there.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(
            QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        if (!db.open()) {
            m_lastError = db.lastError().text();
            close();
            return OpenResult::Failed;
        }
    }
    if (!hasTable(requiredTable)) {
        const bool notDb = m_lastError.contains(QStringLiteral("not a database"));
        close();
        return notDb ? OpenResult::NotDatabase : OpenResult::Failed;
    }
    // Each contact is durable when its INSERT returns; a connection that cannot promise it is no
    // place for the log.
    if (!exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
        close();
        return OpenResult::Failed;
    }
    return OpenResult::Ok;
}

std::optional<QSqlQuery> Database::prepared(const QString& sql, const QVariantList& values) {
    if (!isOpen()) {
        m_lastError = QStringLiteral("database not open");
        return std::nullopt;
    }
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    m_lastError.clear();
    return q;
}

bool Database::exec(const QString& sql, const QVariantList& values) {
    const auto q = prepared(sql, values);
    if (q)
        m_lastInsertId = q->lastInsertId();
    return q.has_value();
}

bool Database::execAfterCopy(const QString& sql, const QVariantList& values) {
    if (!m_copies)
        return exec(sql, values);
    // The write lock first: no other program can change the file between the copy and the
    // statement, so the copy holds every row the statement removes.
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (!keepCopy()) {
        const QString error = m_lastError;
        exec(QStringLiteral("ROLLBACK"));
        m_lastError = error + QStringLiteral(" NU S-A SCHIMBAT NIMIC.");
        return false;
    }
    if (exec(sql, values) && exec(QStringLiteral("COMMIT")))
        return true;
    const QString error = m_lastError;
    exec(QStringLiteral("ROLLBACK"));
    m_lastError = error;
    return false;
}

bool Database::keepCopy() {
    if (!m_copies)
        return true;
    // Read through a connection of the copy's own; it sees every committed row.
    const BackupSet::Result r = m_copies->keep(m_path);
    if (r.outcome == BackupSet::Outcome::Failed) {
        m_lastError = r.error;
        return false;
    }
    return true;
}

std::optional<QSqlQuery> Database::select(const QString& sql, const QVariantList& values) {
    return prepared(sql, values);
}

QVariant Database::scalar(const QString& sql, const QVariantList& values) {
    auto q = prepared(sql, values);
    if (!q || !q->next())
        return {};
    return q->value(0);
}

bool Database::hasTable(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name "
                                 "= ? COLLATE NOCASE"),
                  {table})
               .toInt() > 0;
}

QString Database::writeProblem() {
    // A read-only file still opens and reads; only a write shows it. A table created inside a
    // transaction that is rolled back leaves the file as it was.
    if (!exec(QStringLiteral("BEGIN")))
        return QStringLiteral("logul nu poate fi deschis pentru scriere (") + m_lastError + u')';
    const bool written = exec(QStringLiteral("CREATE TABLE VeltWriteCheck (x)"));
    const QString error = m_lastError;
    exec(QStringLiteral("ROLLBACK"));
    if (written)
        return {};
    const QFileInfo file(m_path);
    if (!file.isWritable())
        return QStringLiteral("fisierul este numai pentru citire (drepturile fisierului)");
    if (!QFileInfo(file.absolutePath()).isWritable())
        return QStringLiteral("folderul %1 nu permite scrierea")
            .arg(QDir::toNativeSeparators(file.absolutePath()));
    return QStringLiteral("discul nu permite scrierea (") + error + u')';
}
