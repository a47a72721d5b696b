#pragma once

#include "base/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

/// One table of a Jet database, every value as text.
struct JetTable {
    QStringList columns;
    QList<QStringList> rows;
};

// Reads the Jet (.mdb) databases of the program's predecessor; it never writes to them.
class JetReader {
public:
    virtual ~JetReader() = default;
    /// Opens `path` read-only; fails, saying why, when it is not a readable Jet database.
    virtual Outcome<void> open(const QString& path) = 0;
    virtual void close() = 0;
    /// The user tables of the open file, in catalogue order.
    virtual QStringList tables() const = 0;
    /// The columns and every row of `table` in stored order, or why it cannot be read.
    virtual Outcome<JetTable> read(const QString& table) = 0;
};
