#include "services/reports/LogExport.h"

#include "base/SafeFile.h"
#include "base/SettingsFiles.h"
#include "services/reports/Adif.h"
#include "services/reports/ReportFiles.h"
#include "services/reports/ReportTotals.h"
#include "services/reports/Summary.h"
#include "services/reports/TextLog.h"
#include "store/LogStore.h"

LogExport::LogExport(Database& logDb, const ContestDef& def, const SettingsRecord& station,
                     const QString& dataFolder, const QString& yy)
    : m_db(logDb), m_def(def), m_station(station), m_dataFolder(dataFolder), m_yy(yy) {}

std::unique_ptr<ExportRun> LogExport::cabrillo(const CabrilloHeader& header) const {
    const QStringList modes =
        m_db.scalar(QStringLiteral("SELECT group_concat(DISTINCT trim(Md)) FROM LogGen"))
            .toString()
            .split(u',', Qt::SkipEmptyParts);
    return std::make_unique<ExportRun>(
        m_db, ReportFiles::cabrilloPath(m_dataFolder, m_station.myCall, m_def, m_yy),
        Cabrillo::layout(header, m_station.myCall, m_def, modes));
}

std::unique_ptr<ExportRun> LogExport::textLog() const {
    // The summary is written from the totals once the log is whole; the run may outlive this.
    const auto summary = [db = &m_db, def = m_def, station = m_station,
                          path =
                              ReportFiles::summaryPath(m_dataFolder, m_station.myCall, m_def, m_yy),
                          yy = m_yy](const WrittenFile&) -> Outcome<WrittenFile> {
        const auto stages = LogStore(*db).stageTotals();
        if (!stages)
            return Failure{stages.error()};
        const Outcome<QByteArray> file =
            Summary::summaryFile(def, station, ReportTotals::of(*stages), yy);
        if (!file)
            return Failure{file.error()};
        if (const Outcome<void> written = SafeFile::write(path, *file); !written)
            return Failure{written.error()};
        return WrittenFile{path, FileExcerpt::of(SettingsFiles::decodeLines(*file))};
    };
    return std::make_unique<ExportRun>(
        m_db, ReportFiles::textLogPath(m_dataFolder, m_station.myCall, m_def, m_yy),
        TextLog::logLayout(m_def, m_station.myCall), summary);
}

std::unique_ptr<ExportRun> LogExport::archive(const QString& typedName, const QString& suffix,
                                              ExportLayout layout) const {
    const QString refused = ReportFiles::checkArchiveName(typedName);
    if (!refused.isEmpty())
        return std::make_unique<ExportRun>(m_db, refused);
    return std::make_unique<ExportRun>(
        m_db, ReportFiles::archivePath(m_dataFolder, typedName, suffix), std::move(layout));
}

std::unique_ptr<ExportRun> LogExport::adif(const QString& typedName) const {
    return archive(typedName, QStringLiteral(".adi"), Adif::layout(m_def));
}

std::unique_ptr<ExportRun> LogExport::textArchive(const QString& typedName) const {
    return archive(typedName, QStringLiteral(".txt"), TextLog::archiveLayout(m_def));
}
