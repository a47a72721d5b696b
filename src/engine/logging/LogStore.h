#pragma once

#include "logging/Database.h"
#include "logging/LogRow.h"
#include "logging/SqlQuery.h"
#include "setup/AppState.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The queries of the contest log `LogGen`; every value is bound.
class LogStore {
public:
    explicit LogStore(Database& db) : m_db(db) {}

    /// `ViewLogB`: the grid's query for stage 1..4, in order of entry.
    static SqlQuery ViewLogB(int stage);
    /// The grid's query for the logged callsigns beginning with `beginning`, by callsign.
    static SqlQuery partialSearch(const QString& beginning);
    /// The number of rows that `partialSearch` gives (runs it).
    int partialSearchCount(const QString& beginning);

    /// The `UTC` of the first contact with `callsign` in `stage` (in `mode` unless empty).
    std::optional<QString> firstContact(const QString& callsign, int stage, const QString& mode);
    /// True when a contact of `stage` already holds multiplier `mult`.
    bool hasMult(const QString& mult, int stage);
    /// The multipliers of the contacts of `stage`, one per contact, and their number.
    std::optional<QStringList> stageMults(int stage);
    /// Writes one contact in one autocommitted INSERT; its `ID`, or nothing when it failed.
    std::optional<qint64> insert(const LogRow& row);
    /// The last contact stored, in any stage, with its `ID`; nothing for an empty log.
    std::optional<std::pair<qint64, LogRow>> lastRow();
    /// Deletes the contact with `ID` `id` after keeping a copy of the log; false when it failed.
    bool remove(qint64 id);
    /// Empties the log after keeping a copy of it; false when it failed.
    bool removeAll();
    /// The totals of the four stages from the whole log, or nothing when the query failed.
    std::optional<std::array<StageTotals, 4>> Summe();
    QString lastError() const { return m_db.lastError(); }

private:
    Database& m_db;
};
