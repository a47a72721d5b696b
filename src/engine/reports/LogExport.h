#pragma once

#include "reports/Cabrillo.h"
#include "reports/WrittenFile.h"
#include "setup/ContestDef.h"
#include "setup/SettingsRecord.h"

#include <QString>
#include <functional>

class Database;

/// Told that `written` of `total` contacts are in the file; false when the operator cancels.
using ExportProgress = std::function<bool(qint64 written, qint64 total)>;

// Reads the log and writes an output file safely, line by line as the contacts are read; the one
// place files are written.
class LogExport {
public:
    /// `yy` is the two-digit year of file names and titles.
    LogExport(Database& logDb, const ContestDef& def, const SettingsRecord& station,
              const QString& appPath, const QString& yy, ExportProgress progress = {});

    /// The Cabrillo log in the "Log" folder.
    WrittenFile cabrillo(const CabrilloHeader& header);
    /// The text log and then the summary file in the "Log" folder; the summary is returned.
    WrittenFile textLog();
    /// The ADIF archive `typedName`.adi in the "ARHIVA" folder.
    WrittenFile adif(const QString& typedName);
    /// The text archive `typedName`.txt in the "ARHIVA" folder.
    WrittenFile textArchive(const QString& typedName);

private:
    /// Writes the whole log as `layout` makes it into `path`: whole, or not at all.
    WrittenFile stream(const QString& path, const ExportLayout& layout);

    Database& m_db;
    ContestDef m_def;
    SettingsRecord m_station;
    QString m_appPath;
    QString m_yy;
    ExportProgress m_progress;
};
