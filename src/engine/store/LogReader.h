#pragma once

#include "base/Outcome.h"
#include "store/LogRow.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

class Database;
struct sqlite3_stmt;

/// The contacts of the log as the reports walk them, one at a time, by real date, time and entry
/// order, so that no report holds the whole log.
class LogReader {
public:
    /// A statement and its bound values.
    struct Select {
        QString sql;
        QVariantList values;
    };

    explicit LogReader(Database& logDb) : m_db(logDb) {}
    ~LogReader();
    LogReader(const LogReader&) = delete;
    LogReader& operator=(const LogReader&) = delete;

    /// The SELECT of `columns` from the whole log (stage 0) or from stage 1..4, before its ORDER
    /// BY.
    static Select select(const QString& columns, int stage);

    /// Starts the walk over the whole log (stage 0) or stage 1..4.
    [[nodiscard]] Outcome<void> open(int stage);
    /// The next contact into `row`; false at the end; a failure when the walk broke off.
    [[nodiscard]] Outcome<bool> next(LogRow& row);
    /// Hands each contact of the whole log (stage 0) or of stage 1..4 to `take`, in turn.
    [[nodiscard]] Outcome<void> forEach(int stage, const std::function<void(const LogRow&)>& take);
    /// All contacts of the whole log (stage 0) or of stage 1..4.
    [[nodiscard]] Outcome<QList<LogRow>> read(int stage);

private:
    void close();
    Failure brokeOff(const QString& reason);
    QString text(int column) const;

    Database& m_db;
    // Stepped on SQLite itself: through QtSql a row costs twice as much, its texts turned into
    // UTF-16 inside SQLite and held once more as variants.
    sqlite3_stmt* m_rows = nullptr;
};
