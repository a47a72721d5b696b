#pragma once

#include "rules/ContestDef.h"
#include "services/reports/ReportTotals.h"
#include "services/reports/ScoreLine.h"

#include <QList>

// The table of contacts, points, multipliers and score per stage, as each summary shows it.
namespace ScoreTable {
/// The table of the text summary file.
QList<ScoreLine> textTable(const ContestDef& def, const ReportTotals& totals);
/// The table of the printed summary sheet.
QList<ScoreLine> printedTable(const ContestDef& def, const ReportTotals& totals);
} // namespace ScoreTable
