#pragma once

#include "logging/LogRow.h"
#include "reports/ExportResult.h"
#include "setup/ContestDef.h"

#include <QList>
#include <QStringList>

// The readable text log of the "Log" folder and the plain copy of the archive folder.
namespace TextLog {
/// The header: station callsign, an empty line, the column heading and a rule.
QStringList PCapTab(const ContestDef& def, const QString& myCall);
/// The text line of one contact.
QString logLine(const ContestDef& def, const LogRow& row);
/// The text log file: header, one line per contact, and the closing rule when there are contacts.
ExportResult PLogGen(const ContestDef& def, const QString& myCall, const QList<LogRow>& rows);
/// The text archive file: the contact lines only.
ExportResult archive(const ContestDef& def, const QList<LogRow>& rows);
} // namespace TextLog
