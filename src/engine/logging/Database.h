#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <optional>

class BackupSet;

// One of the program's two SQLite files, reached through its own named connection. Opening never
// creates a missing file, and every value is bound, never joined into SQL text.
class Database {
public:
    enum class OpenResult { Ok, Missing, NotDatabase, Failed };

    explicit Database(QString connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Opens an existing file read-write and shared; `requiredTable` must exist in it.
    OpenResult open(const QString& path, const QString& requiredTable);
    bool isOpen() const;
    void close();
    QString path() const { return m_path; }
    QString connectionName() const { return m_name; }
    QSqlDatabase handle() const;

    /// Runs a statement with bound values; false (and lastError) when it failed.
    bool exec(const QString& sql, const QVariantList& values = {});
    /// From now on every statement run by execAfterCopy first keeps a copy of the file in `copies`.
    void keepCopiesIn(BackupSet* copies) { m_copies = copies; }
    /// Runs a statement that deletes or changes stored rows, after keeping a copy of the file
    /// (unless it equals the newest copy); false, with nothing changed, when either failed.
    bool execAfterCopy(const QString& sql, const QVariantList& values = {});
    /// Keeps a copy of the file unless it equals the newest copy; false (and lastError) when the
    /// copy failed.
    bool keepCopy();
    /// Runs a SELECT with bound values; empty when it failed.
    std::optional<QSqlQuery> select(const QString& sql, const QVariantList& values = {});
    /// The first column of the first row of a SELECT, or an invalid variant.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    /// True when `table` exists (names compare without case, as in SQL); stands for appending a
    /// table definition to the database.
    bool hasTable(const QString& table);
    /// Why nothing can be written to the open database (in Romanian), or an empty text when a
    /// write succeeds; the trial write is rolled back.
    QString writeProblem();
    /// The row id given by the last successful INSERT through exec().
    QVariant lastInsertId() const { return m_lastInsertId; }
    QString lastError() const { return m_lastError; }

private:
    std::optional<QSqlQuery> prepared(const QString& sql, const QVariantList& values);

    QString m_name;
    QString m_path;
    QString m_lastError;
    QVariant m_lastInsertId;
    bool m_added = false; // this object added the named connection
    BackupSet* m_copies = nullptr;
};
