// The partial check the operator waits for after each key in the callsign field: the callsigns
// holding a fragment, among 1000 and 100000 known ones (one in eight portable or mobile), for
// fragments at the start, middle and end, short and long; and building the index at start.
#include "BenchCalls.h"

#include "contact/PartialCheck.h"

#include <benchmark/benchmark.h>

namespace {
QString knownCall(int i) {
    static const char* const marks[] = {"/P", "/M", "", "", "", "", "", ""};
    return BenchCalls::callsign(i) + QLatin1String(marks[i % 8]);
}

QStringList knownCalls(int size) {
    QStringList calls;
    for (int i = 0; i < size; ++i)
        calls.append(knownCall(i));
    return calls;
}

const PartialCheck& indexOf(int size) {
    static std::map<int, PartialCheck> built;
    PartialCheck& index = built[size];
    if (index.size() == 0)
        index.reset(knownCalls(size));
    return index;
}

void BM_Find(benchmark::State& state, const char* fragment) {
    const PartialCheck& index = indexOf(int(state.range(0)));
    const QString typed = QString::fromLatin1(fragment);
    qsizetype shown = 0;
    for (auto _ : state) {
        const QList<PartialMatch> found = index.find(typed, 30);
        shown = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["shown"] = double(shown);
}

void BM_Build(benchmark::State& state) {
    const QStringList calls = knownCalls(int(state.range(0)));
    for (auto _ : state) {
        PartialCheck index;
        index.reset(calls);
        benchmark::DoNotOptimize(index);
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}
} // namespace

BENCHMARK_CAPTURE(BM_Find, start_two_YO, "YO")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Find, start_digit_YO5, "YO5")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Find, middle_5AB, "5AB")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Find, end_slash_AB_P, "AB/P")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Find, end_slash_M, "/M")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Find, whole_YR7ABC, "YR7ABC")->Apply(sizes);
BENCHMARK(BM_Build)->Apply(sizes);

BENCHMARK_MAIN();
