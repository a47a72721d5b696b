#pragma once

#include "reports/ReportTotals.h"
#include "setup/ContestDef.h"

/// The claimed score of the Cabrillo header by the contest's formula (64-bit).
qint64 claimedScoreOf(const ContestDef& def, const ReportTotals& totals);
