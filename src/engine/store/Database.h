#pragma once

#include <QCache>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

#include "base/Outcome.h"
#include "store/DatabaseCopy.h"

class BackupSet;

// One of the program's two SQLite files, reached through its own named connection. Opening never
// creates a missing file, and every value is bound, never joined into SQL text.
class Database {
public:
    explicit Database(QString connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Opens an existing file read-write and shared; `requiredTable` must exist in it. A failure
    /// says whether the file is missing or not a database.
    [[nodiscard]] Outcome<void> open(const QString& path, const QString& requiredTable);
    bool isOpen() const;
    void close();
    QString path() const { return m_path; }
    QString connectionName() const { return m_name; }
    QSqlDatabase handle() const;

    /// Runs a statement with bound values.
    [[nodiscard]] Outcome<void> exec(const QString& sql, const QVariantList& values = {});
    /// Runs a statement with bound values and hands the query to `read` before it is reset.
    /// The statement is parsed once and kept for the connection's life: for the statements of
    /// every contact, parsing cost more than running them.
    [[nodiscard]] Outcome<void> run(const QString& sql, const QVariantList& values,
                                    const std::function<Outcome<void>(QSqlQuery&)>& read);
    /// Runs a kept statement (as run() does) and hands each row to `row`.
    [[nodiscard]] Outcome<void> eachRow(const QString& sql, const QVariantList& values,
                                        const std::function<void(const QSqlQuery&)>& row);
    /// From now on every statement run by execAfterCopy first keeps a copy of the file in `copies`.
    void keepCopiesIn(BackupSet* copies) { m_copies = copies; }
    /// Runs a statement that deletes or changes stored rows, after keeping a copy of the file
    /// (unless it equals the newest copy); nothing is changed when either failed.
    [[nodiscard]] Outcome<void> execAfterCopy(const QString& sql, const QVariantList& values = {});
    /// Runs `change` in one transaction after keeping a copy of the file, as execAfterCopy does.
    [[nodiscard]] Outcome<void> changeAfterCopy(const std::function<Outcome<void>()>& change);
    /// Runs `change` in one transaction: all of it is written, or nothing.
    [[nodiscard]] Outcome<void> inTransaction(const std::function<Outcome<void>()>& change);
    /// Takes the write lock for a change: no other program changes the file until
    /// finishChange() or abandonChange().
    [[nodiscard]] Outcome<void> beginChange();
    /// Runs `change` under the lock beginChange() took and writes it; nothing when it failed.
    [[nodiscard]] Outcome<void> finishChange(const std::function<Outcome<void>()>& change);
    /// Gives up the lock beginChange() took; nothing is changed.
    void abandonChange();
    /// Keeps a copy of the file unless it equals the newest copy, telling `progress` as it goes;
    /// it reads through a connection of its own, so it may run on another thread.
    [[nodiscard]] Outcome<void> keepCopy(const DatabaseCopy::Progress& progress = {});
    /// `change`, when `copied` is a copy kept; otherwise why the copy failed.
    static Outcome<void> afterCopy(const Outcome<void>& copied,
                                   const std::function<Outcome<void>()>& change);
    /// `done`; a failure of a change made after a copy says, once, that nothing was changed.
    static Outcome<void> nothingChanged(const Outcome<void>& done);
    /// Runs a statement with bound values and gives its rows, for the caller to read at its pace.
    [[nodiscard]] Outcome<QSqlQuery> select(const QString& sql, const QVariantList& values = {});
    /// The first column of the first row of a SELECT, or an invalid variant.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    /// True when `table` exists (names compare without case, as in SQL); stands for appending a
    /// table definition to the database.
    bool hasTable(const QString& table);
    /// A trial write, rolled back; when it fails, why nothing can be written to the open
    /// database (in Romanian).
    [[nodiscard]] Outcome<void> tryWrite();

private:
    /// Nothing when `table` exists; otherwise why not, NotDatabase when the file is no database.
    Outcome<void> requireTable(const QString& table);

    QString m_name;
    QString m_path;
    bool m_added = false; // this object added the named connection
    BackupSet* m_copies = nullptr;
    QCache<QString, QSqlQuery> m_kept{64}; // statements parsed once, by their SQL
};
