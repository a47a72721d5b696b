#include "rules/MultiplierRule.h"

namespace {
const QString kNone = QStringLiteral("  ");
const QString kAA = QStringLiteral("AA");

// The county's own multiplier: ordinary, special word or special station.
QString countyMultiplier(const LogRules& rules, const MultiplierStation& station, int stage,
                         const MultiplierFacts& facts, const MultiplierRule::Held& held) {
    QString candidate = facts.county.trimmed();
    if (candidate.isEmpty() || (candidate == kAA && !(stage == 1 && rules.aaMultFirstStage)))
        return kNone;
    const bool specialStation = rules.special.specialStation && stage <= rules.special.lastStage &&
                                !station.specialCall.isEmpty() &&
                                facts.callsign.trimmed() == station.specialCall;
    if (candidate != kAA && (specialStation || rules.specialMultFor(stage, candidate))) {
        if (!rules.special.always && facts.otherMode)
            return kNone;
        return specialStation ? QStringLiteral("UNR") : candidate;
    }
    if (rules.multByQuery && !held(candidate))
        return candidate;
    return kNone;
}
} // namespace

QString MultiplierRule::earned(const ContestDef& def, const MultiplierStation& station, int stage,
                               const MultiplierFacts& facts, const Held& held) {
    const LogRules& rules = def.log;
    QString mult = countyMultiplier(rules, station, stage, facts, held);
    if (rules.ownCountyNoMult && facts.county.trimmed() == station.myCounty.trimmed())
        mult = kNone;
    const QString code = facts.code.trimmed();
    if (!isMultiplier(mult) && *rules.ylCode && code == QLatin1String(rules.ylCode))
        mult = QStringLiteral("YL");
    if (rules.elvMult && stage <= 2 && !facts.otherMode && code.right(2).toInt() < 19)
        mult = QStringLiteral("ELV");
    return mult;
}
