#pragma once

#include "reports/Cabrillo.h"
#include "reports/WrittenFile.h"
#include "setup/ContestDef.h"
#include "setup/SettingsRecord.h"

#include <QString>
#include <QStringList>

class Database;

// Reads the log, builds a whole output file and writes it safely; the one place files are written.
class ScrieLog {
public:
    /// `yy` is the two-digit year of file names and titles.
    ScrieLog(Database& logDb, const ContestDef& def, const SettingsRecord& station,
             const QString& appPath, const QString& yy);

    /// The Cabrillo log in the "Log" folder.
    WrittenFile cabrillo(const CabrilloHeader& header);
    /// The text log and then the summary file in the "Log" folder; the summary is returned.
    WrittenFile textLog();
    /// The ADIF archive `typedName`.adi in the "ARHIVA" folder.
    WrittenFile adif(const QString& typedName);
    /// The text archive `typedName`.txt in the "ARHIVA" folder.
    WrittenFile textArchive(const QString& typedName);

private:
    bool readLog(QList<LogRow>& rows, WrittenFile& failure);
    static WrittenFile store(const QString& path, const ExportResult& file);

    Database& m_db;
    const ContestDef& m_def;
    const SettingsRecord& m_station;
    QString m_appPath;
    QString m_yy;
};
