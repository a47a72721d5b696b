#pragma once

#include "Outcome.h"
#include "logging/LogRow.h"
#include "reports/CabrilloHeader.h"
#include "reports/ExportLayout.h"
#include "setup/ContestDef.h"

// The Cabrillo 2.0 log: header, one QSO line per contact, END-OF-LOG.
namespace Cabrillo {
/// The CONTEST box prefill: the contest's Cabrillo name and the two-digit year.
QString contestName(const ContestDef& def, const QString& yy);
/// The header as the form opens: contest, station callsign and claimed score filled in.
CabrilloHeader prefilledHeader(const ContestDef& def, const QString& myCall, qint64 claimedScore,
                               const QString& yy);
/// The QSO line frequency of a band in metres ("7000" for 40 m); empty for a band without one.
QString frequency(int bandMeters);
/// The QSO line of one row (82 characters, longer only for callsigns that do not fit their
/// column), or the date/time message when the row is unreadable. The frequency is the band's.
Outcome<QString> qsoLine(const LogRow& row, const QString& myCall, const ContestDef& def);
/// The file: the header lines, a QSO line per contact and "END-OF-LOG: ".
ExportLayout layout(const CabrilloHeader& header, const QString& myCall, const ContestDef& def);
} // namespace Cabrillo
