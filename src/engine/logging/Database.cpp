#include "logging/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

Database::Database(QString connectionName) : m_name(std::move(connectionName)) {}

Database::~Database() {
    close();
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(m_name, false);
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(m_name) && handle().isOpen();
}

void Database::close() {
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = handle();
        db.close();
    }
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
    // Each contact is durable when its INSERT returns.
    exec(QStringLiteral("PRAGMA synchronous = FULL"));
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
    return prepared(sql, values).has_value();
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
    return scalar(QStringLiteral(
                      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"),
                  {table})
               .toInt() > 0;
}
