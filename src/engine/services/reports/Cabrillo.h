#pragma once

#include "base/CabrilloHeader.h"
#include "base/Outcome.h"
#include "rules/ContestDef.h"
#include "services/reports/ExportLayout.h"
#include "store/LogRow.h"

// The Cabrillo log, 2.0 or 3.0: header, one QSO line per contact, END-OF-LOG.
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
/// The 3.0 CATEGORY-* lines of the CATEGORY box's words, each where its list of values has it;
/// the contest's band, the mode of `modesLogged` ("CW", "SSB") and SINGLE-OP where no word names
/// them. A word no list has is kept on an X-CATEGORY line, which log checkers pass over.
QStringList categoryLines(const QString& words, const ContestDef& def,
                          const QStringList& modesLogged);
/// The file: the header lines, a QSO line per contact and "END-OF-LOG: "; `modesLogged` gives
/// the 3.0 header its mode.
ExportLayout layout(const CabrilloHeader& header, const QString& myCall, const ContestDef& def,
                    const QStringList& modesLogged = {});
} // namespace Cabrillo
