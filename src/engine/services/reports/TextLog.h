#pragma once

#include "rules/ContestDef.h"
#include "services/reports/ExportLayout.h"
#include "store/LogRow.h"

#include <QStringList>

// The readable text log of the "Log" folder and the plain copy of the archive folder.
namespace TextLog {
/// The header: station callsign, an empty line, the column heading and a rule.
QStringList columnHeading(const ContestDef& def, const QString& myCall);
/// The text line of one contact.
QString logLine(const ContestDef& def, const LogRow& row);
/// The text log file: header, one line per contact, and the closing rule when there are contacts.
ExportLayout logLayout(const ContestDef& def, const QString& myCall);
/// The text archive file: the contact lines only.
ExportLayout archiveLayout(const ContestDef& def);
} // namespace TextLog
