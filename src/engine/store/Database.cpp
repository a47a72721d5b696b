#include "store/Database.h"

#include "base/ErrorReason.h"
#include "store/BackupSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <memory>
#include <sqlite3.h>

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
    m_kept.clear();
    {
        QSqlDatabase db = handle();
        db.close();
    }
    m_added = false;
    QSqlDatabase::removeDatabase(m_name);
}

namespace {
const QString kNotOpen = QStringLiteral("baza de date nu este deschisa");
const QString kTableCount = QStringLiteral(
    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");

// SQLite's own header; anything else under the database's name is left alone.
bool looksLikeSqlite(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return true; // unreadable: let the open report it
    const QByteArray head = f.read(16);
    return head.isEmpty() || head == QByteArrayLiteral("SQLite format 3\0");
}
} // namespace

Outcome<void> Database::open(const QString& path, const QString& requiredTable) {
    close();
    m_path = path;
    // A second object under the same name would silently replace the first one's connection.
    if (QSqlDatabase::contains(m_name))
        return Failure{QStringLiteral("legatura cu baza de date este deja folosita")};
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return Failure{QStringLiteral("fisierul lipseste"), FailureKind::Missing};
    if (!looksLikeSqlite(path))
        return Failure{QStringLiteral("nu este o baza de date SQLite"), FailureKind::NotDatabase};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_added = true;
        // mode=rw: SQLite refuses to create a file that is not there.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        db.setDatabaseName(
            QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        if (!db.open()) {
            const QString reason = ErrorReason::ofSql(db.lastError());
            close();
            return Failure{reason};
        }
    }
    Outcome<void> ready = requireTable(requiredTable);
    // Each contact is durable when its INSERT returns; a connection that cannot promise it is no
    // place for the log.
    if (ready)
        ready = exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (!ready)
        close();
    return ready;
}

Outcome<void> Database::requireTable(const QString& table) {
    int found = 0;
    const Outcome<void> read =
        eachRow(kTableCount, {table}, [&found](const QSqlQuery& q) { found = q.value(0).toInt(); });
    if (!read) {
        const bool notDb = read.error() == ErrorReason::ofSqliteCode(SQLITE_NOTADB);
        return Failure{read.error(), notDb ? FailureKind::NotDatabase : FailureKind::Other};
    }
    if (found == 0)
        return Failure{QStringLiteral("lipseste tabela ") + table};
    return {};
}

Outcome<QSqlQuery> Database::select(const QString& sql, const QVariantList& values) {
    if (!isOpen())
        return Failure{kNotOpen};
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return Failure{ErrorReason::ofSql(q.lastError())};
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        return Failure{ErrorReason::ofSql(q.lastError())};
    return q;
}

Outcome<void> Database::exec(const QString& sql, const QVariantList& values) {
    return run(sql, values, {});
}

Outcome<void> Database::run(const QString& sql, const QVariantList& values,
                            const std::function<Outcome<void>(QSqlQuery&)>& read) {
    if (!isOpen())
        return Failure{kNotOpen};
    // Taken out while it runs: the same statement run again inside `read` gets one of its own.
    std::unique_ptr<QSqlQuery> q(m_kept.take(sql));
    if (!q) {
        q = std::make_unique<QSqlQuery>(handle());
        q->setForwardOnly(true);
        if (!q->prepare(sql))
            return Failure{ErrorReason::ofSql(q->lastError())};
    }
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, values.at(i));
    if (!q->exec())
        return Failure{ErrorReason::ofSql(q->lastError())};
    Outcome<void> done = read ? read(*q) : Outcome<void>();
    // Reset, so that a kept statement holds no read lock on the file.
    q->finish();
    m_kept.insert(sql, q.release());
    return done;
}

Outcome<void> Database::eachRow(const QString& sql, const QVariantList& values,
                                const std::function<void(const QSqlQuery&)>& row) {
    return run(sql, values, [&row](QSqlQuery& q) -> Outcome<void> {
        while (q.next())
            row(q);
        if (q.lastError().isValid())
            return Failure{ErrorReason::ofSql(q.lastError())};
        return {};
    });
}

void Database::abandonChange() {
    // A rollback that fails leaves the transaction to end with the connection; the statement's
    // own failure is what the operator is told.
    static_cast<void>(exec(QStringLiteral("ROLLBACK")));
}

Outcome<void> Database::execAfterCopy(const QString& sql, const QVariantList& values) {
    return changeAfterCopy([&] { return exec(sql, values); });
}

Outcome<void> Database::changeAfterCopy(const std::function<Outcome<void>()>& change) {
    // The write lock first: no other program can change the file between the copy and the
    // statement, so the copy holds every row the statement removes.
    return nothingChanged(inTransaction([&] { return afterCopy(keepCopy(), change); }));
}

Outcome<void> Database::afterCopy(const Outcome<void>& copied,
                                  const std::function<Outcome<void>()>& change) {
    return copied ? change() : copied;
}

Outcome<void> Database::nothingChanged(const Outcome<void>& done) {
    if (done)
        return done;
    const QString reason = done.error().trimmed();
    const bool ended = reason.endsWith(u'.') || reason.endsWith(u'!') || reason.endsWith(u')');
    return Failure{reason + (ended ? QStringLiteral(" ") : QStringLiteral(". ")) +
                   QStringLiteral("NU S-A SCHIMBAT NIMIC.")};
}

Outcome<void> Database::inTransaction(const std::function<Outcome<void>()>& change) {
    if (Outcome<void> locked = beginChange(); !locked)
        return locked;
    return finishChange(change);
}

Outcome<void> Database::beginChange() {
    return exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Outcome<void> Database::finishChange(const std::function<Outcome<void>()>& change) {
    Outcome<void> done = change();
    if (done)
        done = exec(QStringLiteral("COMMIT"));
    if (!done)
        abandonChange();
    return done;
}

Outcome<void> Database::keepCopy(const DatabaseCopy::Progress& progress) {
    if (!m_copies)
        return {};
    // Read through a connection of the copy's own; it sees every committed row.
    const BackupSet::Result r = m_copies->keep(m_path, progress);
    if (r.state == BackupSet::State::Failed)
        return Failure{r.error};
    return {};
}

QVariant Database::scalar(const QString& sql, const QVariantList& values) {
    QVariant first;
    static_cast<void>(run(sql, values, [&first](QSqlQuery& q) -> Outcome<void> {
        if (q.next())
            first = q.value(0);
        return {};
    }));
    return first;
}

bool Database::hasTable(const QString& table) {
    return requireTable(table).ok();
}

Outcome<void> Database::tryWrite() {
    // A read-only file still opens and reads; only a write shows it. A table created inside a
    // transaction that is rolled back leaves the file as it was.
    if (const Outcome<void> begun = exec(QStringLiteral("BEGIN")); !begun)
        return Failure{QStringLiteral("logul nu poate fi deschis pentru scriere (") +
                       begun.error() + u')'};
    const Outcome<void> written = exec(QStringLiteral("CREATE TABLE VeltWriteCheck (x)"));
    abandonChange();
    if (written)
        return {};
    const QFileInfo file(m_path);
    if (!file.isWritable())
        return Failure{QStringLiteral("fisierul este numai pentru citire (drepturile fisierului)")};
    if (!QFileInfo(file.absolutePath()).isWritable())
        return Failure{QStringLiteral("folderul %1 nu permite scrierea")
                           .arg(QDir::toNativeSeparators(file.absolutePath()))};
    return Failure{QStringLiteral("discul nu permite scrierea (") + written.error() + u')'};
}
