#pragma once

#include "Outcome.h"
#include "logging/LogRow.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <optional>

class Database;

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

    /// The SELECT of `columns` from the whole log (stage 0) or from stage 1..4, before its ORDER
    /// BY.
    static Select select(const QString& columns, int stage);

    /// Starts the walk over the whole log (stage 0) or stage 1..4.
    [[nodiscard]] Outcome<void> open(int stage);
    /// The next contact into `row`; false at the end, or when the walk broke off (error() says
    /// why).
    bool next(LogRow& row);
    /// All contacts of the whole log (stage 0) or of stage 1..4.
    [[nodiscard]] Outcome<QList<LogRow>> read(int stage);
    /// Why the walk broke off; empty when it reached the end.
    QString error() const { return m_error; }

private:
    bool failed(const QString& reason);

    Database& m_db;
    std::optional<QSqlQuery> m_query;
    QString m_error;
};
