#pragma once

#include "base/Outcome.h"
#include "rules/ContestDef.h"
#include "services/reports/ExportLayout.h"
#include "store/LogRow.h"

// The ADIF archive: no header, one record per line.
namespace Adif {
/// The record of one row, or the date/time message when the row is unreadable.
Outcome<QString> qsoRecord(const LogRow& row, const ContestDef& def);
/// The file: one record per contact, nothing before or after.
ExportLayout layout(const ContestDef& def);
} // namespace Adif
