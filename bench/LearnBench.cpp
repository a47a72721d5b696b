// `velt --learn` as the operator runs it on a Cabrillo log of 100000 contacts, every one a callsign
// the database does not hold yet (the most it ever writes), into an empty callsign database with
// its copy kept first. Timed from the command to its last line written, the database committed;
// peak_rss_mb is the process's peak resident memory so far.
#include "PeakMemory.h"
#include "TempDataFolder.h"
#include "app/CommandLine.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeJetReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

QByteArray cabrillo(int contacts) {
    static const char* const counties[] = {"AR", "BU", "CT", "CJ", "BV", "DJ", "IS", "PH"};
    QByteArray text = "START-OF-LOG: 3.0\nCONTEST: YODX-HF\nCALLSIGN: YO9AAA\n";
    for (int i = 0; i < contacts; ++i) {
        const int area = 2 + i % 8;
        text += "QSO:  3500 CW 2024-03-02 " + QByteArray::number(1000 + i % 1000).right(4) +
                " YO9AAA 599 " + QByteArray::number(i) + " PH YO" + QByteArray::number(area) +
                QByteArray::number(i) + "A 599 " + QByteArray::number(i) + ' ' +
                counties[area - 2] + " 0\n";
    }
    return text + "END-OF-LOG:\n";
}

void BM_Learn(benchmark::State& state) {
    const int contacts = static_cast<int>(state.range(0));
    TempDataFolder logs;
    const QString log = logs.file(QStringLiteral("big.log"));
    if (!logs.write(QStringLiteral("big.log"), cabrillo(contacts)))
        state.SkipWithError("the log could not be written");
    FakeClock clock;
    FakeJetReader jet;
    QFile devNull(QProcess::nullDevice());
    devNull.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        TempDataFolder folder;
        if (!folder.createDatabases())
            state.SkipWithError("the databases could not be made");
        QTextStream out(&devNull);
        QTextStream err(&devNull);
        QElapsedTimer t;
        t.start();
        const int status =
            CommandLine::run({QStringLiteral("velt"), QStringLiteral("--learn"), log},
                             folder.path(), clock, jet, out, err);
        out.flush();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        if (status != 0)
            state.SkipWithError("the learning failed");
    }
    state.counters["peak_rss_mb"] = peakRssMb();
}

} // namespace

BENCHMARK(BM_Learn)
    ->ArgNames({"contacts"})
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
