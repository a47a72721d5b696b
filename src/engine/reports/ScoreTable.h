#pragma once

#include "reports/ReportTotals.h"
#include "reports/ScoreLine.h"
#include "setup/ContestDef.h"

#include <QList>

// The table of contacts, points, multipliers and score per stage, as each summary shows it.
namespace ScoreTable {
/// The table of the text summary file.
QList<ScoreLine> textTable(const ContestDef& def, const ReportTotals& totals);
/// The table of the printed summary sheet.
QList<ScoreLine> printedTable(const ContestDef& def, const ReportTotals& totals);
} // namespace ScoreTable
