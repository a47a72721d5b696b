#pragma once

#include "Outcome.h"
#include "logging/Database.h"
#include "logging/MultiplierRule.h"

#include <QString>

/// The `Mult` column of the log, derived from the contacts themselves: each multiplier is held
/// by the earliest contact of its stage that earns it. Run inside the transaction of the change
/// that calls for it (a new, corrected or deleted contact), and over the whole log at start.
class MultiplierColumn {
public:
    explicit MultiplierColumn(Database& db) : m_db(db) {}

    /// Derives the `Mult` of the contacts of `stage` from `ID` `fromId` on, from the earlier ones.
    [[nodiscard]] Outcome<void> derive(const ContestDef& def, const MultiplierStation& station,
                                       int stage, qint64 fromId = 0);
    /// Derives the four stages in one transaction.
    [[nodiscard]] Outcome<void> deriveAll(const ContestDef& def, const MultiplierStation& station);

private:
    Database& m_db;
};
