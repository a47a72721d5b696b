// The queries run while a contact is typed and logged, on a log and a callsign table of 1000 and
// 100000 rows. Each fixture is built once per size, in a temporary folder.
#include "BenchCalls.h"
#include "MustExec.h"
#include "TempDataFolder.h"
#include "contact/ContactEngine.h"
#include "fakes/FakeClock.h"
#include "rules/ContestCatalog.h"
#include "rules/CountyTables.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {
using BenchCalls::callsign;

class Fixture {
public:
    explicit Fixture(int size)
        : m_log(QStringLiteral("BenchLog%1").arg(size)),
          m_calls(QStringLiteral("BenchCalls%1").arg(size)) {
        m_ok =
            m_dir.createDatabases() &&
            m_log.open(m_dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")).ok() &&
            m_calls.open(m_dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")).ok();
        fill(size);
        m_run.chooseContest(*ContestCatalog::findByCode(QStringLiteral("ConcBUC")));
        m_run.chooseStage(Stage::A1);
        m_run.chooseMode(Mode::Ssb);
        m_run.chooseRealContest(true);
        HandOver station;
        station.settings.myCall = QStringLiteral("YO3AAA");
        station.settings.myCounty = QStringLiteral("XA");
        m_run.begin(station);
        engine = std::make_unique<ContactEngine>(m_run, m_log, m_calls, m_specials, m_clock);
    }
    bool ok() const { return m_ok; }
    Database& log() { return m_log; }
    std::unique_ptr<ContactEngine> engine;

private:
    void fill(int size) {
        const QStringList& counties = CountyTables::counties();
        mustExec(m_log, QStringLiteral("BEGIN"));
        mustExec(m_calls, QStringLiteral("BEGIN"));
        for (int i = 0; i < size; ++i) {
            const QString call = callsign(i);
            const QString& county = counties[i % counties.size()];
            const int stage = 1 + i % 4;
            mustExec(m_log,
                     QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, "
                                    "Md, Jud, Mult, Pct) VALUES (?, '01.03.26', '12:00', ?, "
                                    "'59 001 XA', '59 001 CJ', ?, ?, ?, '2')"),
                     {call, QString::number(stage),
                      i % 3 ? QStringLiteral("SSB") : QStringLiteral("CW"), county,
                      i < 4 * counties.size() ? county : QStringLiteral("  ")});
            mustExec(m_calls, QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                     {call, county});
        }
        mustExec(m_log, QStringLiteral("COMMIT"));
        mustExec(m_calls, QStringLiteral("COMMIT"));
    }

    TempDataFolder m_dir;
    Database m_log;
    Database m_calls;
    ContestRun m_run;
    FakeClock m_clock;
    SpecialStations m_specials;
    bool m_ok = false;
};

// Emptied before main() returns: a database closed after the application is gone crashes.
std::map<int, std::unique_ptr<Fixture>> built;

Fixture& fixture(int size) {
    auto& f = built[size];
    if (!f)
        f = std::make_unique<Fixture>(size);
    return *f;
}

// A callsign in the middle of the fixture, worked in stage 1.
QString workedCall(int size) {
    return callsign((size / 2) & ~3);
}

// A full page at every size: with more letters typed the page of a small log is short, and the
// figures would compare pages of different lengths instead of logs of different sizes.
void BM_PartialSearch(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    LogStore store(f.log());
    const QString typed = workedCall(int(state.range(0))).left(2);
    qsizetype rows = 0;
    for (auto _ : state) {
        const auto page = store.callsignPage(typed, typed, -1, 100);
        rows = page ? page->size() : 0;
        benchmark::DoNotOptimize(page);
    }
    state.counters["rows"] = double(rows);
}

void BM_DupeCheck(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    const QString call = workedCall(int(state.range(0)));
    for (auto _ : state) {
        f.engine->contact().callsign = call;
        benchmark::DoNotOptimize(f.engine->rules().checkDuplicate());
    }
}

void BM_MultCheck(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    f.engine->contact().countyReceived = QStringLiteral("XC");
    for (auto _ : state)
        benchmark::DoNotOptimize(f.engine->rules().checkMultiplier());
}

void BM_Lookup(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    const QString call = workedCall(int(state.range(0)));
    for (auto _ : state) {
        f.engine->contact().callsign = call;
        benchmark::DoNotOptimize(f.engine->lookUpCallsign());
    }
}

void BM_Enter(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    int n = 0;
    for (auto _ : state) {
        QsoContact& c = f.engine->contact();
        c.callsign = QStringLiteral("YO3N%1").arg(n++);
        c.rstReceived = QStringLiteral("59");
        c.codeReceived = QStringLiteral("001");
        c.countyReceived = QStringLiteral("XB");
        c.countySent = QStringLiteral("XA");
        benchmark::DoNotOptimize(f.engine->logContact());
    }
}

void BM_RecountTotals(benchmark::State& state) {
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(f.engine->totals().recount());
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}
} // namespace

BENCHMARK(BM_PartialSearch)->Apply(sizes);
BENCHMARK(BM_DupeCheck)->Apply(sizes);
BENCHMARK(BM_MultCheck)->Apply(sizes);
BENCHMARK(BM_Lookup)->Apply(sizes);
BENCHMARK(BM_Enter)->Apply(sizes);
BENCHMARK(BM_RecountTotals)->Apply(sizes);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    built.clear();
    return 0;
}
