#pragma once

#include "logging/Database.h"

#include <QString>
#include <optional>

/// A row of `CallJud` found by prefix.
struct CallJudRow {
    qint64 id = 0;
    QString jud;
};

// The callsign-county table `CallJud`: what county a station was last logged with.
class CallsignDb {
public:
    explicit CallsignDb(Database& db) : m_db(db) {}

    /// The stored county of `callsign`, or nothing when it is not in the table.
    std::optional<QString> lookup(const QString& callsign);
    /// The own-call search: the row of the longest stored prefix of `callsign` (trimmed, upper
    /// case), or nothing when no prefix of it is stored.
    std::optional<CallJudRow> longestPrefix(const QString& callsign);
    /// `InCall`: adds `callsign` with `county`; false when the INSERT failed.
    bool InCall(const QString& callsign, const QString& county);
    /// Adds a callsign typed on the log-view screen; an empty text when it was added, otherwise
    /// the operator's message (no callsign, an apostrophe, already known, database failure).
    QString addByHand(const QString& callsign, const QString& county);
    /// `ModifJud`: replaces the county of a known `callsign` after keeping a copy of the table's
    /// file; false when the copy or the UPDATE failed.
    bool ModifJud(const QString& callsign, const QString& county);
    QString lastError() const { return m_db.lastError(); }

private:
    Database& m_db;
};
