#include "services/reports/ClaimedScore.h"

qint64 claimedScoreOf(const ContestDef& def, const ReportTotals& t) {
    switch (def.report.claim) {
    case ClaimFormula::CampNat:
        return t.pairScore(1, 2) + t.pairScore(3, 4);
    case ClaimFormula::Combined:
        return t.pairScore(1, 2);
    case ClaimFormula::PerStage:
        return t.partialScore(1) + t.partialScore(2);
    case ClaimFormula::PointsOnly:
        return t.stage(1).points + t.stage(2).points;
    case ClaimFormula::Stage1Only:
        return t.partialScore(1);
    case ClaimFormula::FourStages:
        return t.partialScore(1) + t.partialScore(2) + t.partialScore(3) + t.partialScore(4);
    case ClaimFormula::Doubling:
        return (t.partialScore(1) + t.partialScore(2)) * t.doublingFactor();
    }
    return 0;
}
