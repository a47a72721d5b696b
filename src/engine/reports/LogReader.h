#pragma once

#include "logging/LogRow.h"

#include <QList>
#include <QString>

class Database;

/// The contacts of the log as the reports walk them.
class LogReader {
public:
    explicit LogReader(Database& logDb) : m_db(logDb) {}

    /// Rows of the whole log (stage 0) or of stage 1..4, by real date, time and entry order;
    /// false when the log could not be read, with the reason in error().
    bool read(int stage, QList<LogRow>& rows);
    QString error() const { return m_error; }

private:
    Database& m_db;
    QString m_error;
};
