#pragma once

#include "rules/ContestDef.h"
#include "services/reports/ReportTotals.h"

/// The claimed score of the Cabrillo header by the contest's formula (64-bit).
qint64 claimedScoreOf(const ContestDef& def, const ReportTotals& totals);
