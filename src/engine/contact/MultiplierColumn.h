#pragma once

#include "base/Outcome.h"
#include "rules/MultiplierRule.h"
#include "store/Database.h"

#include <QSet>
#include <QString>
#include <optional>

/// The `Mult` column of the log, derived from the contacts themselves: each multiplier is held
/// by the earliest contact of its stage that earns it. Run inside the transaction of the change
/// that calls for it (a new, corrected or deleted contact); what changed otherwise (the log view,
/// another program, an import, a restored copy) the schema's mark names, and only that is derived
/// again.
class MultiplierColumn {
public:
    explicit MultiplierColumn(Database& db) : m_db(db) {}

    /// Derives the `Mult` of the contacts of `stage` from `ID` `fromId` on (or from an earlier one
    /// the mark names), from the earlier ones, and clears the stage's mark; the first `ID` derived.
    [[nodiscard]] Outcome<qint64> derive(const ContestDef& def, const MultiplierStation& station,
                                         int stage, qint64 fromId);
    /// Derives in one transaction what the mark names: nothing when the program made every change
    /// itself, the whole log when it was derived for another contest or station.
    [[nodiscard]] Outcome<void> derivePending(const ContestDef& def,
                                              const MultiplierStation& station);

    /// The multipliers `stage` holds: what the last derivation left when the log has not
    /// changed since, else read from the log.
    [[nodiscard]] Outcome<QSet<QString>> heldIn(int stage);
    /// Drops what the last derivation left: the transaction it ran in was not committed.
    void forget();

private:
    // What a derivation left: the values `stage` held up to `nextId`, while the connection had
    // seen `commits` of other programs.
    struct Held {
        int stage = 0;
        QString basis;
        qint64 nextId = 0;
        qint64 commits = 0;
        QSet<QString> values;
    };

    Outcome<QSet<QString>> heldBefore(const QString& basis, int stage, qint64 fromId,
                                      qint64 commits);
    /// The multipliers the contacts of `stage` before `ID` `beforeId` hold, as the log has them.
    Outcome<QSet<QString>> readHeld(int stage, qint64 beforeId);
    Outcome<void> deriveFrom(const ContestDef& def, const MultiplierStation& station, int stage,
                             qint64 fromId);

    Database& m_db;
    std::optional<Held> m_held;
};
