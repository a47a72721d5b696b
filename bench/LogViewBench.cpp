// The log-view screen as the operator uses it after a contest, offscreen, on a log of 1000 and
// 100000 contacts in one stage. Each case is timed from the click to what the operator waits for:
// the grid drawn at its last row, or the file complete on disk, listed on the screen and the
// program idle again. The exports that open a form first count both waits: the menu that fills
// the form and the button that writes the file. peak_rss_mb is the process's peak resident memory
// so far; longest_wait_ms the longest the window went without answering.
#include "BenchCalls.h"
#include "MustExec.h"
#include "PeakMemory.h"
#include "ScreenHarness.h"
#include "ShownWindow.h"
#include "platform/QtPrintSink.h"
#include "screens/reports/ContestChartWindow.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kContest = 35; // Cupa Carpati: two stages, serials and counties

// `size` contacts of stage 1A over a two-day contest, as the QSO screen writes them.
void fillLog(const ScreenHarness& h, int size) {
    Database db(QStringLiteral("BenchFill%1").arg(size));
    mustSucceed(db.open(h.folder.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")));
    mustExec(db, QStringLiteral("BEGIN"));
    QSqlQuery insert(db.handle());
    insert.prepare(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, "
                                  "Jud, Mult, Pct) VALUES (?, ?, ?, '1', ?, ?, ?, ?, ?, ?)"));
    QSet<QString> worked;
    for (int i = 0; i < size; ++i) {
        const QString call = BenchCalls::callsign(i);
        const QString county = BenchCalls::county(call, i / 7);
        const int minute = i * 2880 / size; // spread over 48 hours
        const bool ssb = i % 3 == 0;
        const QString report = ssb ? QStringLiteral("59") : QStringLiteral("599");
        const QString serial = QString::number(i + 1).rightJustified(3, u'0');
        const bool newMult = !worked.contains(county);
        worked.insert(county);
        insert.addBindValue(call);
        insert.addBindValue(minute < 1440 ? QStringLiteral("10.11.07")
                                          : QStringLiteral("11.11.07"));
        insert.addBindValue(QStringLiteral("%1:%2")
                                .arg(minute / 60 % 24, 2, 10, QChar(u'0'))
                                .arg(minute % 60, 2, 10, QChar(u'0')));
        insert.addBindValue(report + u' ' + serial + QStringLiteral(" BV"));
        insert.addBindValue(report + u' ' + QString::number(1 + i % 700).rightJustified(3, u'0') +
                            u' ' + county);
        insert.addBindValue(ssb ? QStringLiteral("SSB") : QStringLiteral("CW"));
        insert.addBindValue(county);
        insert.addBindValue(newMult ? county : QStringLiteral("  "));
        insert.addBindValue(call.startsWith(QLatin1String("ER")) ? QStringLiteral("4")
                                                                 : QStringLiteral("2"));
        insert.exec();
    }
    mustExec(db, QStringLiteral("COMMIT"));
}

// One screen at a time: the screens share the program's connection names. It is closed before
// the application ends, as the program closes its screens.
std::unique_ptr<ScreenHarness> screen;

ScreenHarness& screenFor(int size) {
    static int screenSize = 0;
    if (!screen || screenSize != size) {
        screen.reset();
        screen = std::make_unique<ScreenHarness>();
        screenSize = size;
        screen->folder.write(QStringLiteral("VELTInit.dat"),
                             "YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 1 \r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                             "\r\n\r\n\r\n");
        fillLog(*screen, size);
        screen->openLogView(kContest);
    }
    return *screen;
}

QWidget* control(ScreenHarness& h, const char* name) {
    return h.find<QWidget>(h.logView.get(), name);
}

// Draws a list or grid as the operator sees it: the rows on screen are read for it.
void draw(ScreenHarness& h, const char* name) {
    letPlatformShow(h.logView.get());
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    control(h, name)->repaint();
    static_cast<QAbstractItemView*>(control(h, name))->viewport()->repaint();
}

// Until the work a click started (an export, a deletion) has ended, handling events as the
// program does meanwhile; the longest the window went without answering is kept in `longestWait`.
void waitForWork(QWidget* window, qint64& longestWait) {
    const auto running = [window] {
        const auto works = window->findChildren<QDialog*>(QStringLiteral("SlicedWork"));
        return std::any_of(works.cbegin(), works.cend(), [](QDialog* d) { return d->isVisible(); });
    };
    while (running()) {
        QElapsedTimer wait;
        wait.start();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longestWait = std::max(longestWait, wait.elapsed());
    }
}

// Until the program is idle after an export: the file written, the list drawn, every pending
// event handled (the progress dialog's close among them) and the whole window repainted.
void settle(ScreenHarness& h, qint64& longestWait) {
    waitForWork(h.logView.get(), longestWait);
    draw(h, "ListCbr");
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    h.logView->window()->repaint();
}

double fileMb(ScreenHarness& h, const char* file) {
    return QFileInfo(h.folder.file(QString::fromLatin1(file))).size() / 1048576.0;
}

void finish(benchmark::State& state, double mb, qint64 longestWait) {
    state.counters["file_mb"] = mb;
    state.counters["longest_wait_ms"] = double(longestWait);
    state.counters["peak_rss_mb"] = peakRssMb();
    if (mb <= 0)
        state.SkipWithError("no file written");
}

// A VIEW choice: the totals, the grid bound and drawn at its last row.
void view(benchmark::State& state, const char* choice) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        h.trigger(h.logView.get(), "mnuLogAnzeigen");
        QElapsedTimer t;
        t.start();
        h.click(h.logView.get(), choice);
        draw(h, "DBGrid1");
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
    }
    const auto* grid = static_cast<QTableView*>(control(h, "DBGrid1"));
    state.counters["grid_rows"] = grid->model()->rowCount();
    state.counters["peak_rss_mb"] = peakRssMb();
}

void BM_ViewLog(benchmark::State& state) {
    view(state, "OpBLG");
}

void BM_ViewStage(benchmark::State& state) {
    view(state, "OpB1A");
}

// A form export: its menu, then "INTRODUCERE DE DATE TERMINATA" answered Yes twice.
void formExport(benchmark::State& state, const char* menu, const char* file) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    qint64 longestWait = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        h.trigger(h.logView.get(), menu);
        h.click(h.logView.get(), "CmdGata");
        settle(h, longestWait);
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
    }
    finish(state, fileMb(h, file), longestWait);
}

void BM_ScreenCabrillo(benchmark::State& state) {
    formExport(state, "mnuCabrillo", "Log/YO3ABC CpCarpati26.Cbr");
}

void BM_ScreenTextLog(benchmark::State& state) {
    formExport(state, "mnuTXT", "Log/YO3ABC CpCarpati26.txt");
}

// An archive export: the name typed in the archive frame, then the button.
void archiveExport(benchmark::State& state, const char* button, const char* file) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    qint64 longestWait = 0;
    for (auto _ : state) {
        h.trigger(h.logView.get(), "mnuArh");
        auto* name = h.find<QLineEdit>(h.logView.get(), "TxtNameDat");
        name->setText(QStringLiteral("CARPATI"));
        QElapsedTimer t;
        t.start();
        h.click(h.logView.get(), button);
        settle(h, longestWait);
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
    }
    finish(state, fileMb(h, file), longestWait);
}

void BM_ScreenAdif(benchmark::State& state) {
    archiveExport(state, "CmdArhivADI", "ARHIVA/CARPATI.adi");
}

void BM_ScreenTextArchive(benchmark::State& state) {
    archiveExport(state, "CmdMemTxt", "ARHIVA/CARPATI.txt");
}

// PRINT_LOG of stage 1A into a PDF file, as on a PC without a printer: from the click to the
// note that the file is written. longest_wait_ms is the longest the window went without
// answering (the longest event handled meanwhile).
void BM_PrintStage(benchmark::State& state) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    QtPrintSink pdf(h.folder.path(), nullptr, QtPrintSink::Target::Pdf);
    ScreenServices services{h.run,      h.dialogs, h.help,     h.clock,       h.metrics,
                            h.voice,    h.keyLine, pdf,        h.logDb,       h.callDb,
                            h.specials, h.jet,     h.realtime, h.keyerDevices};
    LogViewWindow view(services);
    view.show();
    qint64 longestWait = 0;
    for (auto _ : state) {
        h.trigger(&view, "mnuLOGDrucken");
        h.dialogs.script = {FakeDialogs::AnswerYes};
        QElapsedTimer t;
        t.start();
        h.click(&view, "OpBD1A"); // asks whether the printer is ready
        const qsizetype said = h.dialogs.shown.size();
        while (h.dialogs.shown.size() == said) {
            QElapsedTimer wait;
            wait.start();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            longestWait = std::max(longestWait, wait.elapsed());
        }
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        if (!h.dialogs.shown.last().text.startsWith(QStringLiteral("Fisierul PDF a fost scris")))
            state.SkipWithError(qPrintable(h.dialogs.shown.last().text));
    }
    finish(state, fileMb(h, "Log/YO3ABC Etapa 1_1.pdf"), longestWait);
}

// DELETE_LOG answered Yes, with the copy kept first in ARHIVA/backup as the program wires it:
// from the click to the empty grid drawn. The log is filled again for each iteration.
// longest_wait_ms is the longest the window went without answering.
void BM_DeleteLog(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    ScreenHarness& h = screenFor(size);
    BackupSet copies(ReportFiles::backupFolder(h.folder.path()), QStringLiteral("LogVELT"),
                     h.clock);
    h.logDb.keepCopiesIn(&copies);
    qint64 longestWait = 0;
    for (auto _ : state) {
        if (h.logDb.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt() == 0)
            fillLog(h, size);
        h.trigger(h.logView.get(), "mnuLOGLöschen");
        h.dialogs.script = {FakeDialogs::AnswerYes};
        QElapsedTimer t;
        t.start();
        h.click(h.logView.get(), "OpbL1A");
        waitForWork(h.logView.get(), longestWait);
        draw(h, "DBGrid1");
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        h.clock.current = h.clock.current.addSecs(1);
    }
    h.logDb.keepCopiesIn(nullptr);
    state.counters["longest_wait_ms"] = double(longestWait);
    state.counters["peak_rss_mb"] = peakRssMb();
    if (h.logDb.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt() != 0)
        state.SkipWithError("the log was not emptied");
}

// GRAF&IC on the stage shown (1A): from the menu to the chart window drawn, the course read from
// the log.
void BM_Chart(benchmark::State& state) {
    ScreenHarness& h = screenFor(static_cast<int>(state.range(0)));
    h.trigger(h.logView.get(), "mnuLogAnzeigen");
    h.click(h.logView.get(), "OpB1A");
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        h.trigger(h.logView.get(), "mnuGrafic");
        auto* chart = h.find<ContestChartWindow>(h.logView.get(), "FrmGrafic");
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        letPlatformShow(chart);
        chart->repaint();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        chart->close();
        state.counters["steps"] = double(chart->steps().size());
    }
    state.counters["peak_rss_mb"] = peakRssMb();
}

// All cases of one size run together, so each log is filled once.
void registerAll() {
    const struct {
        const char* name;
        void (*run)(benchmark::State&);
    } cases[] = {{"BM_ViewLog", BM_ViewLog},
                 {"BM_ViewStage", BM_ViewStage},
                 {"BM_ScreenCabrillo", BM_ScreenCabrillo},
                 {"BM_ScreenAdif", BM_ScreenAdif},
                 {"BM_ScreenTextLog", BM_ScreenTextLog},
                 {"BM_ScreenTextArchive", BM_ScreenTextArchive},
                 {"BM_PrintStage", BM_PrintStage},
                 {"BM_Chart", BM_Chart}};
    for (int size : {1000, 100000})
        for (const auto& c : cases)
            benchmark::RegisterBenchmark(c.name, c.run)
                ->Arg(size)
                ->UseManualTime()
                ->Iterations(size > 1000 ? (c.run == BM_PrintStage ? 1 : 3) : 20)
                ->Unit(benchmark::kMillisecond);
    for (int size : {1000, 150000})
        benchmark::RegisterBenchmark("BM_DeleteLog", BM_DeleteLog)
            ->Arg(size)
            ->UseManualTime()
            ->Iterations(size > 1000 ? 1 : 5)
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen.reset();
    return 0;
}
