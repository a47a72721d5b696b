// Plays a 30-second message at 30 wpm through the fake key line while the calling thread keeps a
// Qt event loop busy, and measures every line change against its scheduled time: for each way the
// sender thread can get its timing, alone and with two CPU-bound programs running.
#include "fakes/FakeKeyLine.h"
#include "platform/QtRealtimePriority.h"
#include "rules/MorseTiming.h"
#include "services/keyer/CwSender.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using SteadyClock = std::chrono::steady_clock;
using MsDouble = std::chrono::duration<double, std::milli>;

constexpr int kMessageMs = 30000;

QList<KeyStep> thirtySecondMessage() {
    QString text;
    CwMessage message;
    for (int ms = 0; ms < kMessageMs;) {
        text += QStringLiteral("CQ TEST ");
        message = MorseTiming::steps(text, 30, CwWeight::Even);
        ms = 0;
        for (const KeyStep& s : message.steps)
            ms += s.ms;
    }
    return message.steps;
}

void busyFor(std::chrono::microseconds work) {
    const auto end = SteadyClock::now() + work;
    while (SteadyClock::now() < end) {
    }
}

// What a busy QSO screen does meanwhile: a grid refresh every 10 ms and a burst of posted events.
class EventLoad {
public:
    EventLoad() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            busyFor(std::chrono::microseconds(2000));
            for (int i = 0; i < 20; ++i)
                QMetaObject::invokeMethod(
                    &m_timer, [] { busyFor(std::chrono::microseconds(50)); }, Qt::QueuedConnection);
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Programs that keep a processor busy each until they are killed.
class CpuHogs {
public:
    explicit CpuHogs(int count) {
        for (int i = 0; i < count; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                volatile unsigned long spins = 0;
                for (;;)
                    spins = spins + 1;
            }
            m_pids.push_back(pid);
        }
    }
    ~CpuHogs() {
        for (pid_t pid : m_pids) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    CpuHogs(const CpuHogs&) = delete;
    CpuHogs& operator=(const CpuHogs&) = delete;

private:
    std::vector<pid_t> m_pids;
};

using Way = RealtimePriority::Way;

// The real platform code limited to one way, so each is measured on its own.
int onlyWay(Way way) {
    switch (way) {
    case Way::Granted:
        return QtRealtimePriority::SystemPolicy;
    case Way::RealtimeKit:
        return QtRealtimePriority::RealtimeKitService;
    case Way::None:
        break;
    }
    return 0;
}

const char* describe(Way way) {
    switch (way) {
    case Way::Granted:
        return "real-time granted";
    case Way::RealtimeKit:
        return "RealtimeKit";
    case Way::None:
        break;
    }
    return "no real-time";
}

// Absolute errors of the DTR changes and the drift of the final RTS off, against the schedule.
void measure(benchmark::State& state, const FakeKeyLine& line, const QList<KeyStep>& steps) {
    const QList<FakeKeyLine::Change> changes = line.changes();
    auto rtsOn = std::find_if(changes.begin(), changes.end(), [](const FakeKeyLine::Change& c) {
        return c.line == FakeKeyLine::Line::Rts && c.on;
    });
    std::vector<double> errors;
    bool keyed = false;
    int offset = 0;
    auto change = rtsOn;
    for (const KeyStep& s : steps) {
        if (s.keyDown != keyed) {
            keyed = s.keyDown;
            change = std::find_if(change + 1, changes.end(), [keyed](const FakeKeyLine::Change& c) {
                return c.line == FakeKeyLine::Line::Dtr && c.on == keyed;
            });
            errors.push_back(std::abs(MsDouble(change->at - rtsOn->at).count() - offset));
        }
        offset += s.ms;
    }
    std::sort(errors.begin(), errors.end());
    state.counters["p50_ms"] = errors.at(errors.size() / 2);
    state.counters["p99_ms"] = errors.at(errors.size() * 99 / 100);
    state.counters["drift_ms"] = MsDouble(changes.last().at - rtsOn->at).count() - offset;
    state.counters["changes"] = static_cast<double>(errors.size());
}

void BM_CwTiming(benchmark::State& state) {
    const auto way = static_cast<Way>(state.range(0));
    const int hogs = static_cast<int>(state.range(1));
    QtRealtimePriority realtime(onlyWay(way));
    if (realtime.available() != way) {
        state.SkipWithError(way == Way::Granted
                                ? "the system refuses real-time scheduling to this user"
                                : "RealtimeKit is not reachable on the system D-Bus or refused");
        return;
    }
    state.SetLabel(std::string(describe(way)) + (hogs ? ", 2 CPU-bound programs" : ", idle"));
    const QList<KeyStep> steps = thirtySecondMessage();
    for (auto _ : state) {
        FakeKeyLine line;
        KeyPort port(line);
        CwSender sender(port, realtime);
        EventLoad load;
        CpuHogs busy(hogs);
        QEventLoop loop;
        QObject::connect(&sender, &CwSender::finished, &loop, &QEventLoop::quit);
        sender.start(1, steps);
        loop.exec();
        measure(state, line, steps);
    }
}

// The old way: sleep each rounded delay in turn on the calling thread, events between characters.
void BM_CwTimingNaive(benchmark::State& state) {
    const QList<KeyStep> steps = thirtySecondMessage();
    for (auto _ : state) {
        FakeKeyLine line;
        EventLoad load;
        line.open(1);
        line.setDtr(false);
        line.setRts(true);
        bool keyed = false;
        int shown = 0;
        for (const KeyStep& s : steps) {
            if (s.shown != shown) {
                shown = s.shown;
                QCoreApplication::processEvents();
            }
            if (s.keyDown != keyed) {
                keyed = s.keyDown;
                line.setDtr(keyed);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(s.ms));
        }
        line.setDtr(false);
        line.setRts(false);
        measure(state, line, steps);
    }
}

BENCHMARK(BM_CwTiming)
    ->ArgsProduct({{static_cast<int>(Way::Granted), static_cast<int>(Way::RealtimeKit),
                    static_cast<int>(Way::None)},
                   {0, 2}})
    ->ArgNames({"way", "cpu_hogs"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_CwTimingNaive)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
