#pragma once

#include "store/Database.h"

#include <QString>
#include <optional>

/// A row of `CallJud` found by prefix.
struct CallsignRow {
    qint64 id = 0;
    QString county;
};

// The callsign-county table `CallJud`: what county a station was last logged with.
class CallsignDb {
public:
    explicit CallsignDb(Database& db) : m_db(db) {}

    /// The stored county of `callsign`, or nothing when it is not in the table.
    std::optional<QString> lookup(const QString& callsign);
    /// The own-call search: the row of the longest stored prefix of `callsign` (trimmed, upper
    /// case), or nothing when no prefix of it is stored.
    std::optional<CallsignRow> longestPrefix(const QString& callsign);
    /// Adds `callsign` with `county`.
    [[nodiscard]] Outcome<void> add(const QString& callsign, const QString& county);
    /// Adds a callsign typed on the log-view screen; when it is refused, the operator's message
    /// (no callsign, an apostrophe, already known, database failure).
    [[nodiscard]] Outcome<void> addByHand(const QString& typedCall, const QString& typedCounty);
    /// Adds `callsign` to the callsigns known without a county, unless it is there.
    [[nodiscard]] Outcome<void> addKnown(const QString& callsign);
    /// Replaces the county of a known `callsign`.
    [[nodiscard]] Outcome<void> changeCounty(const QString& callsign, const QString& county);
    /// True for what is never taught to the table: nothing, or an exchange word that says nothing
    /// about a station's county.
    static bool neverLearnt(const QString& county);
    /// True when a county read from a past log may be taught: a county code or a Bucharest sector
    /// as stored ("B1".."B6"), never a club word, "AA" or another exchange.
    static bool learnable(const QString& county);
    /// The whole table sorted by callsign, for a grid that fetches the rows it shows.
    [[nodiscard]] Outcome<QSqlQuery> sortedByCallsign();

private:
    Database& m_db;
};
