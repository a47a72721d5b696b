#pragma once

#include "logging/LogRow.h"
#include "reports/ExportResult.h"
#include "reports/LineResult.h"
#include "setup/ContestDef.h"

#include <QList>

// The ADIF archive: no header, one record per line.
namespace Adif {
/// The record of one row, or the date/time message when the row is unreadable.
LineResult TransfADIF(const LogRow& row, const ContestDef& def);
/// The whole file (CRLF) for `rows` in log order, or the first row's failure.
ExportResult write(const QList<LogRow>& rows, const ContestDef& def);
} // namespace Adif
