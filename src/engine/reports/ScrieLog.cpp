#include "reports/ScrieLog.h"

#include "reports/Adif.h"
#include "reports/LogReader.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTotals.h"
#include "reports/SafeFile.h"
#include "reports/Summary.h"
#include "reports/TextLog.h"
#include "setup/SettingsFiles.h"

ScrieLog::ScrieLog(Database& logDb, const ContestDef& def, const SettingsRecord& station,
                   const QString& appPath, const QString& yy)
    : m_db(logDb), m_def(def), m_station(station), m_appPath(appPath), m_yy(yy) {}

bool ScrieLog::readLog(QList<LogRow>& rows, WrittenFile& failure) {
    LogReader reader(m_db);
    if (reader.read(0, rows))
        return true;
    failure.error = reader.error();
    return false;
}

WrittenFile ScrieLog::store(const QString& path, const ExportResult& file) {
    if (!file.ok())
        return {{}, {}, file.error};
    WrittenFile w{path, {}, SafeFile::write(path, file.bytes)};
    if (w.ok())
        w.lines = SettingsFiles::decodeLines(file.bytes);
    return w;
}

WrittenFile ScrieLog::cabrillo(const CabrilloHeader& header) {
    WrittenFile failure;
    QList<LogRow> rows;
    if (!readLog(rows, failure))
        return failure;
    return store(ReportFiles::cabrilloPath(m_appPath, m_station.myCall, m_def, m_yy),
                 Cabrillo::write(header, rows, m_station.myCall, m_def));
}

WrittenFile ScrieLog::textLog() {
    WrittenFile failure;
    QList<LogRow> rows;
    if (!readLog(rows, failure))
        return failure;
    const WrittenFile log =
        store(ReportFiles::textLogPath(m_appPath, m_station.myCall, m_def, m_yy),
              TextLog::PLogGen(m_def, m_station.myCall, rows));
    if (!log.ok())
        return log;
    return store(ReportFiles::summaryPath(m_appPath, m_station.myCall, m_def, m_yy),
                 Summary::PSumm(m_def, m_station, ClcSum(rows), m_yy));
}

WrittenFile ScrieLog::adif(const QString& typedName) {
    WrittenFile failure{{}, {}, ReportFiles::checkArchiveName(typedName)};
    QList<LogRow> rows;
    if (!failure.ok() || !readLog(rows, failure))
        return failure;
    return store(ReportFiles::archivePath(m_appPath, typedName, QStringLiteral(".adi")),
                 Adif::write(rows, m_def));
}

WrittenFile ScrieLog::textArchive(const QString& typedName) {
    WrittenFile failure{{}, {}, ReportFiles::checkArchiveName(typedName)};
    QList<LogRow> rows;
    if (!failure.ok() || !readLog(rows, failure))
        return failure;
    return store(ReportFiles::archivePath(m_appPath, typedName, QStringLiteral(".txt")),
                 TextLog::archive(m_def, rows));
}
