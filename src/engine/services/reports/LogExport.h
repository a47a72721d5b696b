#pragma once

#include "base/SettingsRecord.h"
#include "rules/ContestDef.h"
#include "services/reports/Cabrillo.h"
#include "services/reports/ExportRun.h"

#include <QString>
#include <memory>

class Database;

// The output files of the log, each as a run that reads the log and writes its file line by line
// as the contacts are read; the one place files are written.
class LogExport {
public:
    /// `yy` is the two-digit year of file names and titles.
    LogExport(Database& logDb, const ContestDef& def, const SettingsRecord& station,
              const QString& dataFolder, const QString& yy);

    /// The Cabrillo log in the "Log" folder.
    std::unique_ptr<ExportRun> cabrillo(const CabrilloHeader& header) const;
    /// The text log and then the summary file in the "Log" folder; the summary is the answer.
    std::unique_ptr<ExportRun> textLog() const;
    /// The ADIF archive `typedName`.adi in the "ARHIVA" folder.
    std::unique_ptr<ExportRun> adif(const QString& typedName) const;
    /// The text archive `typedName`.txt in the "ARHIVA" folder.
    std::unique_ptr<ExportRun> textArchive(const QString& typedName) const;

private:
    /// The archive `typedName` with `suffix` as `layout` makes it, or the name's refusal.
    std::unique_ptr<ExportRun> archive(const QString& typedName, const QString& suffix,
                                       ExportLayout layout) const;

    Database& m_db;
    ContestDef m_def;
    SettingsRecord m_station;
    QString m_dataFolder;
    QString m_yy;
};
