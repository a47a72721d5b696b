// One key stroke in the QSO screen's callsign field (the field's handlers, the partial search and
// the grid refresh), on the real screen offscreen, with a log of 1000 and 100000 contacts.
#include "ScreenHarness.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
// The log of `size` contacts over four stages, written as the program writes them.
void fillLog(ScreenHarness& h, int size) {
    Database db(QStringLiteral("BenchFill%1").arg(size));
    db.open(h.folder.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen"));
    db.exec(QStringLiteral("BEGIN"));
    for (int i = 0; i < size; ++i) {
        const QString call = QStringLiteral("YO%1%2").arg(2 + i % 8).arg(
            QString::number(i / 8, 26).toUpper().rightJustified(3, u'A'));
        db.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                               "Mult, Pct) VALUES (?, '01.03.26', '12:00', ?, '599 001 BU', "
                               "'599 001 CJ', 'CW', 'CJ', '  ', '2')"),
                {call, QString::number(1 + i % 4)});
    }
    db.exec(QStringLiteral("COMMIT"));
}

// One screen at a time: the screens share the program's connection names.
ScreenHarness& screenFor(int size) {
    static std::unique_ptr<ScreenHarness> screen;
    static int screenSize = 0;
    if (!screen || screenSize != size) {
        screen.reset();
        screen = std::make_unique<ScreenHarness>();
        screenSize = size;
        fillLog(*screen, size);
        screen->openQso("OpBCNUS");
    }
    return *screen;
}

void BM_KeyStroke(benchmark::State& state) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    QLineEdit* call = h.qsoBox("TxtIndic");
    call->setText(QStringLiteral("YO3"));
    call->setFocus();
    const QAbstractItemModel* grid = h.find<QTableView>(h.qso.get(), "DBGrid1")->model();
    for (auto _ : state) {
        QTest::keyClick(call, Qt::Key_A);
        state.PauseTiming();
        call->setText(QStringLiteral("YO3"));
        state.ResumeTiming();
    }
    state.counters["grid_rows"] = grid->rowCount();
}
BENCHMARK(BM_KeyStroke)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
