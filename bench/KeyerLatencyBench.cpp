// The time from F1 on the real QSO screen (offscreen) to the first byte leaving the program, for
// a WinKeyer (read on its pseudo-terminal) and for cwdaemon (read on its UDP port of this
// machine). Wall time; each message is stopped with Escape before the next.
#include "FakeKeyers.h"
#include "ScreenHarness.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {
void BM_FirstByteAfterF1(benchmark::State& state) {
    const auto kind = static_cast<KeyerKind>(state.range(0));
    ScreenHarness h;
    FakeKeyers keyers(h.folder.path(), kind, h.keyLine);
    h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1A", "CmdCW", [&] {
        h.initBox("TxtCP")->setText(QStringLiteral("2"));
        h.click(h.init.get(), "OpbCwJ");
        h.initBox("TxtF1")->setText(QStringLiteral("CQ TEST YO3ABC TEST"));
    });
    state.SetLabel(kind == KeyerKind::WinKeyer ? "WinKeyer" : "cwdaemon");
    QLineEdit* call = h.qsoBox("TxtIndic");
    // Read both ways: the fakes' own notifiers may have read first while events ran.
    const auto received = [&] {
        keyers.winKeyer.readNow();
        keyers.daemon.readNow();
        return keyers.winKeyer.sent.size() + keyers.daemon.received.size();
    };
    for (auto _ : state) {
        const qsizetype before = received();
        const auto pressed = std::chrono::steady_clock::now();
        QTest::keyClick(call, Qt::Key_F1);
        while (received() == before)
            QCoreApplication::processEvents();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - pressed).count());
        QTest::keyClick(call, Qt::Key_Escape);
        while (h.messageShown())
            QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_FirstByteAfterF1)
    ->Arg(static_cast<int>(KeyerKind::WinKeyer))
    ->Arg(static_cast<int>(KeyerKind::CwDaemon))
    ->ArgName("keyer")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
