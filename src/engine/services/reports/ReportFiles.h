#pragma once

#include "rules/ContestDef.h"

#include <QString>

// Names of the output files: "Log" holds the contest's own files, "ARHIVA" the archive copies.
namespace ReportFiles {
/// The folder of the contest's own files: dataFolder/Log (the exact case matters off Windows).
QString logFolder(const QString& dataFolder);
/// The archive folder: dataFolder/ARHIVA.
QString archiveFolder(const QString& dataFolder);
/// The folder of the databases' safety copies: dataPath/ARHIVA/backup.
QString backupFolder(const QString& dataPath);
/// The base callsign for file names: "/P", "/<digit>", "/MM", "/QRP" and a leading prefix removed.
QString fileNameCall(const QString& myCall);
// The base callsign in the file names below keeps only its letters and digits.
/// dataFolder/Log/<base call> <code><yy>.Cbr
QString cabrilloPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                     const QString& yy);
/// dataFolder/Log/<base call> <code><yy>.txt
QString textLogPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                    const QString& yy);
/// dataFolder/Log/<base call> SUM <code><yy>.txt
QString summaryPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                    const QString& yy);
/// Why a name typed for the archive cannot be used, or an empty text when it names a file there.
QString checkArchiveName(const QString& typedName);
/// dataFolder/ARHIVA/<trimmed name><extension>; the name must have passed checkArchiveName.
QString archivePath(const QString& dataFolder, const QString& typedName, const QString& extension);
/// dataFolder/ARHIVA/<base call> <code><yy> GRAFIC <stage>.png: the chart of stage 1..4, or
/// "LOG" for the whole log (0).
QString chartPath(const QString& dataFolder, const QString& myCall, const ContestDef& def,
                  const QString& yy, int stage);
/// The last two characters of a date text: the two-digit year of file names and titles.
QString twoDigitYear(const QString& date);
} // namespace ReportFiles
