#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>
#include <optional>

struct sqlite3;

// A connection of SQLite's own, for what QtSql does not offer: the online backup and holding the
// file's lock for as long as the connection lives.
class SqliteConnection {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    /// Opens `path`; only `Create` makes a missing file.
    Outcome<void> open(const QString& path, Mode mode);
    void close();
    sqlite3* handle() const { return m_db; }
    QString path() const { return m_path; }
    /// Runs statements without results.
    Outcome<void> exec(const char* sql);
    /// The first column of the first row of `sql`, `values` bound, as text; nothing when it failed.
    std::optional<QString> text(const QString& sql, const QStringList& values = {});
    /// The first column of every row of `sql`, `values` bound, as text; nothing when it failed.
    std::optional<QStringList> column(const QString& sql, const QStringList& values = {});
    /// True when `table` exists in the file.
    bool hasTable(const QString& table);
    /// True when the last call failed because another connection holds the file.
    bool busy() const;

private:
    Failure takeError();

    sqlite3* m_db = nullptr;
    QString m_path;
    int m_code = 0;
};
