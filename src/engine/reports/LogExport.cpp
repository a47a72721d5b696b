#include "reports/LogExport.h"

#include "logging/LogStore.h"
#include "reports/Adif.h"
#include "reports/LineEncoder.h"
#include "reports/LogReader.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTotals.h"
#include "reports/SafeFile.h"
#include "reports/Summary.h"
#include "reports/TextLog.h"
#include "setup/SettingsFiles.h"

#include <QDir>

namespace {
// Contacts between two reports of progress: often enough for the bar, rarely enough to cost
// nothing.
constexpr qint64 kProgressStep = 1000;

QString cancelled(const QString& path) {
    return QStringLiteral("SCRIEREA FISIERULUI ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" A FOST ANULATA: NU S-A SCRIS NIMIC, FISIERUL ANTERIOR A RAMAS "
                          "NESCHIMBAT.");
}
} // namespace

LogExport::LogExport(Database& logDb, const ContestDef& def, const SettingsRecord& station,
                     const QString& appPath, const QString& yy, ExportProgress progress)
    : m_db(logDb), m_def(def), m_station(station), m_appPath(appPath), m_yy(yy),
      m_progress(std::move(progress)) {}

WrittenFile LogExport::stream(const QString& path, const ExportLayout& layout) {
    LogReader reader(m_db);
    // Without a count the progress shows rows only; the walk itself tells whether the log reads.
    const Outcome<qint64> counted = m_progress ? LogStore(m_db).count(0) : Outcome<qint64>(0);
    const qint64 total = counted ? *counted : -1;
    if (const Outcome<void> opened = reader.open(0); !opened)
        return {{}, {}, opened.error()};
    SafeFile file(path);
    if (!file.open())
        return {{}, {}, file.error()};
    LineEncoder encoder([&file](const QByteArray& bytes) { return file.append(bytes); });
    WrittenFile written{path, {}, {}};
    qint64 rows = 0;
    bool stopped = false;
    const auto next = [&](LogRow& row) {
        if (m_progress && rows % kProgressStep == 0 && !m_progress(rows, total)) {
            stopped = true;
            return false;
        }
        ++rows;
        return reader.next(row);
    };
    const auto put = [&](const QString& line) {
        written.lines.add(line);
        return encoder.add(line);
    };
    QString rowError;
    const bool complete = layout.write(next, put, rowError) && encoder.finish();
    // The first reason wins; the file is renamed into place only when there is none.
    for (const QString& reason :
         {stopped ? cancelled(path) : QString(), reader.error(), rowError, encoder.error()}) {
        if (!reason.isEmpty())
            return {{}, {}, reason};
    }
    if (!complete || !file.commit())
        return {{}, {}, file.error()};
    return written;
}

WrittenFile LogExport::cabrillo(const CabrilloHeader& header) {
    return stream(ReportFiles::cabrilloPath(m_appPath, m_station.myCall, m_def, m_yy),
                  Cabrillo::layout(header, m_station.myCall, m_def));
}

WrittenFile LogExport::textLog() {
    const WrittenFile log =
        stream(ReportFiles::textLogPath(m_appPath, m_station.myCall, m_def, m_yy),
               TextLog::logLayout(m_def, m_station.myCall));
    if (!log.ok())
        return log;
    const auto stages = LogStore(m_db).stageTotals();
    if (!stages)
        return {{}, {}, stages.error()};
    const QString path = ReportFiles::summaryPath(m_appPath, m_station.myCall, m_def, m_yy);
    const ExportResult summary =
        Summary::summaryFile(m_def, m_station, ReportTotals::of(*stages), m_yy);
    if (!summary.ok())
        return {{}, {}, summary.error};
    if (const Outcome<void> written = SafeFile::write(path, summary.bytes); !written)
        return {{}, {}, written.error()};
    return {path, FileExcerpt::of(SettingsFiles::decodeLines(summary.bytes)), {}};
}

WrittenFile LogExport::adif(const QString& typedName) {
    const QString refused = ReportFiles::checkArchiveName(typedName);
    if (!refused.isEmpty())
        return {{}, {}, refused};
    return stream(ReportFiles::archivePath(m_appPath, typedName, QStringLiteral(".adi")),
                  Adif::layout(m_def));
}

WrittenFile LogExport::textArchive(const QString& typedName) {
    const QString refused = ReportFiles::checkArchiveName(typedName);
    if (!refused.isEmpty())
        return {{}, {}, refused};
    return stream(ReportFiles::archivePath(m_appPath, typedName, QStringLiteral(".txt")),
                  TextLog::archiveLayout(m_def));
}
