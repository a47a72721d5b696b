#pragma once

// How the claimed score of the Cabrillo header is formed from the per-stage totals.
enum class ClaimFormula {
    CampNat,    // (P1 + P2) x (M1 + M2) + (P3 + P4) x (M3 + M4)
    Combined,   // (P1 + P2) x (M1 + M2)
    PerStage,   // P1 x M1 + P2 x M2
    PointsOnly, // P1 + P2, no multipliers
    Stage1Only, // P1 x M1
    FourStages, // P1 x M1 + P2 x M2 + P3 x M3 + P4 x M4
    Doubling,   // (P1 x M1 + P2 x M2) x 2 when both stages were worked
};

// The score table of the text summary file.
enum class SummaryTable {
    Names,           // 1A, 1B with contacts and points only
    CampNat,         // 1A..2B, 1B and 2B carry the combined score of their pair
    FourStages,      // 1A..2B, each scored
    PerStage,        // 1A, 1B each scored, TOTAL of all columns
    PerStageNoTotal, // 1A, 1B each scored, no TOTAL row
    Independence,    // 1A unscored, 1B scored, TOTAL score P1 x M1
    Doubling,        // 1A, 1B scored, TOTAL doubled when both stages were worked
    Combined,        // 1A, 1B unscored, TOTAL (P1 + P2) x (M1 + M2)
    SingleStage,     // 1A unscored, TOTAL P1 x M1
};

// The score table of the printed summary sheet.
enum class PrintedTable {
    Names,
    CampNat,
    FourStages,
    PerStage, // TOTAL with contacts and S1 + S2
    PerStageNoTotal,
    Doubling, // TOTAL spelled out as "sum * factor = product"
    Combined,
    TwoRowsStage1, // 1A, 1B unscored, TOTAL of stage 1A
    SingleStage,   // 1A unscored, TOTAL of stage 1A
};

/// The per-contest constants of the exports, the summary sheet and the printouts.
struct ReportRules {
    const char* cabrilloName = ""; // CONTEST: prefill, ends in one blank
    const char* summaryTitle = ""; // title of the summary file
    const char* printTitle = "";   // title of the printed summary and the printed log
    ClaimFormula claim = ClaimFormula::PerStage;
    SummaryTable summary = SummaryTable::PerStage;
    bool summaryHeading = true; // the text summary's table starts with its column heading
    PrintedTable printed = PrintedTable::PerStage;
    int bandMeters = 80;
    bool multipliers = true;

    /// False for the contest that scores names without multipliers.
    bool hasMultipliers() const { return multipliers; }
};
