#pragma once

#include "rules/ContestDef.h"
#include "rules/SpecialStations.h"

#include <QString>
#include <functional>

/// What decides the multiplier of one contact of a stage.
struct MultiplierFacts {
    QString callsign;
    QString county;         // the received county, zodiac sign or word (`Jud`)
    QString code;           // the received code
    bool otherMode = false; // worked in the other mode of the stage before, allowed at once
};

/// The station's own facts that the rules ask.
struct MultiplierStation {
    QString specialCall; // the contest's special station, empty for none
    QString myCounty;
    /// The facts for `def`'s contest: its special station in `specials`, the own county.
    static MultiplierStation of(const ContestDef& def, const SpecialStations& specials,
                                const QString& myCounty) {
        return {specials.special(def.codeString()), myCounty.trimmed()};
    }
};

namespace MultiplierRule {
/// True when `value` is held by an earlier contact of the stage.
using Held = std::function<bool(const QString& value)>;
/// The `Mult` value a contact of `stage` earns, two blanks for none: the first contact with a
/// value holds it, special words and stations count by their own rule.
QString earned(const ContestDef& def, const MultiplierStation& station, int stage,
               const MultiplierFacts& facts, const Held& held);
/// True when `mult` names a multiplier (not blank).
inline bool isMultiplier(const QString& mult) {
    return !mult.trimmed().isEmpty();
}
} // namespace MultiplierRule
