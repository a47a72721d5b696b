// `velt --list-backups` as the operator runs it, on a backup folder holding 1000 and 10000 copies
// of a log of 200 contacts over the four stages, and as many callsign-database copies: the
// first listing (nothing remembered about the copies yet) and every later one. Timed from the
// command to its last line written; peak_rss_mb is the process's peak resident memory so far.
#include "PeakMemory.h"
#include "TempDataFolder.h"
#include "app/CommandLine.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeJetReader.h"
#include "services/reports/ReportFiles.h"
#include "store/CopyCounts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

bool makeLog(const QString& path) {
    QProcess sqlite;
    sqlite.setStandardInputFile(QStringLiteral(VELT_SCHEMA));
    sqlite.start(QStringLiteral("sqlite3"), {path});
    if (!sqlite.waitForFinished() || sqlite.exitCode() != 0)
        return false;
    sqlite.setStandardInputFile(QProcess::nullDevice());
    sqlite.start(QStringLiteral("sqlite3"),
                 {path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                       "FROM n WHERE i < 200) INSERT INTO LogGen (Callsign, Data, "
                                       "UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct) SELECT 'YO' || "
                                       "i || 'ABC', '10.11.07', '12:00', 1 + i % 4, '599 001', "
                                       "'599 001 BU', 'CW', 'BU', '  ', '2' FROM n; "
                                       "INSERT INTO CallJud (Call, Jud) SELECT Callsign, Jud "
                                       "FROM LogGen; PRAGMA journal_mode = DELETE;")});
    return sqlite.waitForFinished() && sqlite.exitCode() == 0;
}

// A data folder whose backup folder holds `copies` copies of each database.
std::unique_ptr<TempDataFolder> folderWith(int copies) {
    auto folder = std::make_unique<TempDataFolder>();
    const QString backup = ReportFiles::backupFolder(folder->path());
    const QString log = folder->file(QStringLiteral("log.mdb"));
    if (!QDir().mkpath(backup) || !makeLog(log))
        qFatal("the benchmark's log could not be made");
    const QDateTime first(QDate(2026, 3, 1), QTime(0, 0));
    for (int i = 0; i < copies; ++i) {
        const QString stamp = first.addSecs(i).toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
        for (const char* stem : {"LogVELT", "DbsVELT"})
            if (!QFile::copy(log, QDir(backup).filePath(QLatin1String(stem) + u'-' + stamp +
                                                        QStringLiteral(".mdb"))))
                qFatal("a copy could not be made");
    }
    return folder;
}

void BM_ListBackups(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    const bool remembered = state.range(1) != 0;
    static std::map<int, std::unique_ptr<TempDataFolder>> folders;
    auto& folder = folders[copies];
    if (!folder)
        folder = folderWith(copies);
    const QString counts =
        QDir(ReportFiles::backupFolder(folder->path())).filePath(CopyCounts::kFileName);
    FakeClock clock;
    FakeJetReader jet;
    QFile devNull(QProcess::nullDevice());
    devNull.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        if (!remembered)
            QFile::remove(counts);
        QTextStream out(&devNull);
        QString errors;
        QTextStream err(&errors);
        QElapsedTimer t;
        t.start();
        const int status =
            CommandLine::run({QStringLiteral("velt"), QStringLiteral("--list-backups")},
                             folder->path(), clock, jet, out, err);
        out.flush();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        if (status != 0)
            state.SkipWithError("the listing failed");
    }
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(BM_ListBackups)
    ->ArgNames({"copies", "remembered"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
