#pragma once

#include "store/Database.h"

#include <optional>

// Another program may log into the same file. SQLite's change counter of the connection
// (PRAGMA data_version) tells, without reading the log, whether any other connection committed
// since it was last asked; this connection's own changes do not count.
class LogChanges {
public:
    explicit LogChanges(Database& db) : m_db(db) {}
    /// True when another connection changed the log since the last call, and at the first call.
    bool changedElsewhere();

private:
    Database& m_db;
    std::optional<qint64> m_seen;
};
