#include "reports/Adif.h"
#include "reports/Cabrillo.h"
#include "setup/ContestCatalog.h"

#include <benchmark/benchmark.h>

namespace {

// A log of `size` contacts over two days, both modes, both stages.
QList<LogRow> makeLog(qsizetype size) {
    QList<LogRow> rows;
    rows.reserve(size);
    for (qsizetype i = 0; i < size; ++i) {
        const bool ssb = i % 3 == 0;
        const QString serial = QStringLiteral("%1").arg(i % 1000, 3, 10, QChar(u'0'));
        LogRow r;
        r.id = i + 1;
        r.callsign = QStringLiteral("YO%1ABC").arg(i % 10);
        r.data = i < size / 2 ? QStringLiteral("10.11.07") : QStringLiteral("11.11.07");
        r.utc = QStringLiteral("%1:%2")
                    .arg((i / 60) % 24, 2, 10, QChar(u'0'))
                    .arg(i % 60, 2, 10, QChar(u'0'));
        r.etp = i % 2 ? QStringLiteral("2") : QStringLiteral("1");
        r.sent =
            (ssb ? QStringLiteral("59 ") : QStringLiteral("599 ")) + serial + QStringLiteral(" BV");
        r.rcvd =
            (ssb ? QStringLiteral("59 ") : QStringLiteral("599 ")) + serial + QStringLiteral(" CJ");
        r.md = ssb ? QStringLiteral("SSB") : QStringLiteral("CW");
        r.jud = QStringLiteral("CJ");
        r.mult = QStringLiteral("  ");
        r.pct = QStringLiteral("2");
        rows << r;
    }
    return rows;
}

void BM_Cabrillo(benchmark::State& state) {
    const QList<LogRow> rows = makeLog(state.range(0));
    const ContestDef& def = *ContestCatalog::find(35);
    const CabrilloHeader header = Cabrillo::prefilledHeader(def, "YO5OHO", 1234, "07");
    for (auto _ : state) {
        const ExportResult r = Cabrillo::write(header, rows, QStringLiteral("YO5OHO"), def);
        benchmark::DoNotOptimize(r.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Adif(benchmark::State& state) {
    const QList<LogRow> rows = makeLog(state.range(0));
    const ContestDef& def = *ContestCatalog::find(35);
    for (auto _ : state) {
        const ExportResult r = Adif::write(rows, def);
        benchmark::DoNotOptimize(r.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_Cabrillo)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Adif)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
