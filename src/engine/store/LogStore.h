#pragma once

#include "store/Database.h"
#include "store/LogRow.h"
#include "store/StageTotals.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <limits>
#include <optional>

// The queries of the contest log `LogGen`; every value is bound.
class LogStore {
public:
    explicit LogStore(Database& db) : m_db(db) {}

    /// Up to `limit` contacts of stage 1..4 logged before `beforeId` (0: the newest), oldest
    /// first: one page of the grid, found through the stage index whatever the log's size.
    [[nodiscard]] Outcome<QList<LogRow>> stagePage(int stage, qint64 beforeId, int limit);
    /// Up to `limit` contacts of stage 1..4 logged after `afterId`, oldest first.
    [[nodiscard]] Outcome<QList<LogRow>> stageRowsAfter(int stage, qint64 afterId, int limit);
    /// Up to `limit` contacts whose callsign begins with `beginning`, ordered by callsign and
    /// `ID`, following the contact (`afterCall`, `afterId`); `afterCall` = `beginning` and
    /// `afterId` = -1 give the first page. Every typed character is a plain character.
    [[nodiscard]] Outcome<QList<LogRow>>
    callsignPage(const QString& beginning, const QString& afterCall, qint64 afterId, int limit);
    /// The `UTC` of the first contact with `callsign` in `stage` (in `mode` unless empty),
    /// leaving out the row `exceptId` (a contact under correction is no duplicate of itself).
    [[nodiscard]] Outcome<std::optional<QString>>
    firstContact(const QString& callsign, int stage, const QString& mode, qint64 exceptId = 0);
    /// True when a contact of `stage` before `ID` `beforeId` (0: any) holds multiplier `mult`.
    [[nodiscard]] Outcome<bool> hasMult(const QString& mult, int stage, qint64 beforeId = 0);
    /// The distinct multipliers (trimmed) the contacts of `stage` before `ID` `beforeId` hold.
    [[nodiscard]] Outcome<QStringList>
    stageMults(int stage, qint64 beforeId = std::numeric_limits<qint64>::max());
    /// Writes one contact in one autocommitted INSERT; its `ID`.
    [[nodiscard]] Outcome<qint64> insert(const LogRow& row);
    /// Reserves the serial a contact will send: `wanted` when no program on this log has shown
    /// it or a later one yet, else the next after them, in three digits. Inside a write
    /// transaction, as a change of its own or as part of one, no two programs ever get the same.
    [[nodiscard]] Outcome<QString> reserveSerial(const QString& wanted);
    /// The serial the next reservation would give, for the sent-code field between contacts.
    [[nodiscard]] Outcome<QString> nextSerial();
    /// Replaces the values of the row `id` in one statement, keeping its `ID`; the number of
    /// rows changed (0 when it is gone).
    [[nodiscard]] Outcome<int> update(qint64 id, const LogRow& row);
    /// The last contact stored, in any stage, with its `ID`; nothing for an empty log.
    [[nodiscard]] Outcome<std::optional<LogRow>> lastRow();
    /// The contact with `ID` `id`; nothing when it is not in the log.
    [[nodiscard]] Outcome<std::optional<LogRow>> row(qint64 id);
    /// Deletes the contact with `ID` `id` after keeping a copy of the log; `alsoInside` runs in
    /// the same transaction.
    [[nodiscard]] Outcome<void> remove(qint64 id,
                                       const std::function<Outcome<void>()>& alsoInside = {});
    /// Empties the log after keeping a copy of it.
    [[nodiscard]] Outcome<void> removeAll();
    /// The change that empties the log, to run in a transaction after a copy is kept.
    std::function<Outcome<void>()> emptying();
    /// The totals of the four stages from the whole log.
    [[nodiscard]] Outcome<std::array<StageTotals, 4>> stageTotals();
    /// The number of contacts of the whole log (stage 0) or of stage 1..4.
    [[nodiscard]] Outcome<qint64> count(int stage);
    /// `count` contacts of the whole log (stage 0) or of stage 1..4 in real-date order, from the
    /// `first` of its `total` contacts on.
    [[nodiscard]] Outcome<QList<LogRow>> datePage(int stage, int first, int count, int total);
    /// The names of a row's values, `ID` first, as the log's grids head them.
    static const QStringList& columnNames();

private:
    Outcome<std::array<StageTotals, 4>> stageTotalsBy(const QString& sql);
    /// The rows that `tail` (WHERE and ORDER BY clauses) selects.
    Outcome<QList<LogRow>> readRows(const QString& tail, const QVariantList& values);
    /// The rows of a SELECT of LogRow::columns().
    Outcome<QList<LogRow>> rowsOf(const QString& sql, const QVariantList& values);
    /// The first row that `tail` selects.
    Outcome<std::optional<LogRow>> readRow(const QString& tail, const QVariantList& values);

    Database& m_db;
};
