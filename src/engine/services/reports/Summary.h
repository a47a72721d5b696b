#pragma once

#include "base/Outcome.h"
#include "base/SettingsRecord.h"
#include "rules/ContestDef.h"
#include "services/reports/ReportTotals.h"

#include <QByteArray>

class PrintSink;

// The summary sheet: the station, the score table and the declaration.
namespace Summary {
/// The summary title line: contest title, two-digit year, station callsign.
QString titleLine(const char* title, const QString& yy, const QString& myCall);
/// The summary file (Windows-1250, CRLF) written beside the text log.
Outcome<QByteArray> summaryFile(const ContestDef& def, const SettingsRecord& station,
                                const ReportTotals& totals, const QString& yy);
/// Prints the summary sheet; the printer's closing note, or why it could not start.
Outcome<QString> print(PrintSink& sink, const ContestDef& def, const SettingsRecord& station,
                       const ReportTotals& totals, const QString& yy);
} // namespace Summary
