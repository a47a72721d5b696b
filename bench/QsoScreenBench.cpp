// What the operator waits for on the real QSO screen (offscreen), with 1000 and 100000 contacts
// in one stage and a callsign database of as many callsigns: logging a contact with Enter until
// the fields are ready for the next (also in a club contest, whose serial was reserved in the
// log when the callsign was accepted), accepting a callsign in that contest, the first key after
// it, any key in the callsign field, a stage button, and START-QSO to the screen shown, each until
// the screen is drawn again; and, as the floor, one durable INSERT into the same log in Enter's
// place. Wall time.
#include "BenchCalls.h"
#include "MustExec.h"
#include "ScreenHarness.h"
#include "ShownWindow.h"
#include "contact/MultiplierColumn.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {
// The log of `size` contacts in stage 1A and the callsign database, as the program writes them:
// with no statistics for the query planner, since the program never gathers them.
void fill(const TempDataFolder& folder, int size) {
    Database log(QStringLiteral("BenchLog%1").arg(size));
    Database calls(QStringLiteral("BenchCalls%1").arg(size));
    mustSucceed(log.open(folder.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")));
    mustSucceed(calls.open(folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")));
    mustExec(log, QStringLiteral("BEGIN"));
    mustExec(calls, QStringLiteral("BEGIN"));
    // Prepared once: the fill of 100000 contacts stays short enough to profile the keys after it.
    QSqlQuery contact(log.handle());
    contact.prepare(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, "
                                   "Jud, Mult, Pct) VALUES (?, '01.03.26', '12:00', '1', "
                                   "'599 312 BU', ?, 'CW', ?, ?, '2')"));
    QSqlQuery known(calls.handle());
    known.prepare(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"));
    for (int i = 0; i < size; ++i) {
        const QString call = BenchCalls::callsign(i);
        const QString county = BenchCalls::county(call, i);
        for (const QVariant& v :
             {QVariant(call), QVariant(QStringLiteral("599 %1 %2").arg(i % 900 + 100).arg(county)),
              QVariant(county), QVariant(i < 200 ? county : QStringLiteral("  "))})
            contact.addBindValue(v);
        known.addBindValue(call);
        known.addBindValue(county);
        if (!contact.exec() || !known.exec())
            qFatal("the bench log was not filled");
    }
    mustExec(log, QStringLiteral("COMMIT"));
    mustExec(calls, QStringLiteral("COMMIT"));
}

// One screen at a time (the screens share the program's connection names); emptied before
// main() returns, since a database closed after the application is gone crashes.
std::unique_ptr<ScreenHarness> screen;
int screenSize = 0;
const char* screenContest = nullptr;
int nextCall = 0;

ScreenHarness& screenFor(int size, const char* contest = "OpBCNUS") {
    if (!screen || screenSize != size || qstrcmp(screenContest, contest) != 0) {
        screen.reset();
        screen = std::make_unique<ScreenHarness>();
        screenSize = size;
        screenContest = contest;
        nextCall = size; // callsigns not yet in the log
        fill(screen->folder, size);
        screen->openQso(contest, QStringLiteral("312"), "Cmd1A", "CmdCW");
    }
    return *screen;
}

// What the operator waits for ends when the screen is laid out and painted again: the events
// the key posted, the paint among them.
void drawn() {
    for (QWidget* w : QApplication::topLevelWidgets())
        letPlatformShow(w);
    QApplication::sendPostedEvents();
}

// A new station typed up to its county, the cursor in the county field. The county is pasted
// while the cursor waits for the code, so that its check is left to Enter.
void typeContact(ScreenHarness& h) {
    QLineEdit* call = h.qsoBox("TxtIndic");
    call->setFocus();
    h.pasteOver(call, BenchCalls::callsign(nextCall++));
    QTest::keyClick(call, Qt::Key_Space);
    h.pasteOver(h.qsoBox("TxtRstR3"), QStringLiteral("CJ"));
    QTest::keyClicks(h.qsoBox("TxtRSTR2"), QStringLiteral("123"));
}

void enterContacts(benchmark::State& state, ScreenHarness& h) {
    for (auto _ : state) {
        state.PauseTiming();
        typeContact(h);
        drawn(); // what the steps before posted is not the key's
        state.ResumeTiming();
        QTest::keyClick(h.qsoBox("TxtRstR3"), Qt::Key_Return);
        drawn();
    }
    state.counters["logged"] =
        h.logDb.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt();
}

void BM_ScreenEnter(benchmark::State& state) {
    enterContacts(state, screenFor(int(state.range(0))));
}

// A club contest: the serial stored is the one reserved when the callsign was accepted.
void BM_ScreenEnterSerial(benchmark::State& state) {
    enterContacts(state, screenFor(int(state.range(0)), "OpBMoldova"));
}

// Space on a new callsign in a club contest: the lookup, the duplicate check and the serial
// reserved in the log, durably, until the cursor waits in the code field.
void BM_ScreenAcceptSerial(benchmark::State& state) {
    ScreenHarness& h = screenFor(int(state.range(0)), "OpBMoldova");
    QLineEdit* call = h.qsoBox("TxtIndic");
    for (auto _ : state) {
        state.PauseTiming();
        h.click(h.qso.get(), "CmdAbbruchX"); // the serial reserved before is given up
        call->setFocus();
        h.pasteOver(call, BenchCalls::callsign(nextCall++));
        drawn(); // what the steps before posted is not the key's
        state.ResumeTiming();
        QTest::keyClick(call, Qt::Key_Space);
        drawn();
    }
    state.counters["reserved"] =
        h.logDb.scalar(QStringLiteral("SELECT Last FROM SentSerial")).toInt();
}

void BM_FirstKeyAfterEnter(benchmark::State& state) {
    ScreenHarness& h = screenFor(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        typeContact(h);
        QTest::keyClick(h.qsoBox("TxtRstR3"), Qt::Key_Return);
        drawn(); // what the steps before posted is not the key's
        state.ResumeTiming();
        QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_3);
        drawn();
    }
}

void BM_KeyStroke(benchmark::State& state) {
    ScreenHarness& h = screenFor(int(state.range(0)));
    QLineEdit* call = h.qsoBox("TxtIndic");
    call->setFocus();
    h.pasteOver(call, QStringLiteral("YO3"));
    const QAbstractItemModel* grid = h.find<QTableView>(h.qso.get(), "DBGrid1")->model();
    for (auto _ : state) {
        QTest::keyClick(call, Qt::Key_A);
        drawn();
        state.PauseTiming();
        h.pasteOver(call, QStringLiteral("YO3"));
        drawn(); // what the steps before posted is not the key's
        state.ResumeTiming();
    }
    state.counters["grid_rows"] = grid->rowCount();
}

void BM_StageButton(benchmark::State& state) {
    ScreenHarness& h = screenFor(int(state.range(0)));
    for (auto _ : state) {
        h.click(h.qso.get(), "Cmd1A");
        drawn();
    }
}

// The databases of `size` contacts as the program leaves them, its multipliers derived: made
// once, copied for each opening.
const TempDataFolder& programLogs(int size) {
    static std::map<int, std::unique_ptr<TempDataFolder>> made;
    std::unique_ptr<TempDataFolder>& folder = made[size];
    if (!folder) {
        folder = std::make_unique<TempDataFolder>();
        folder->createDatabases();
        fill(*folder, size);
        Database log(QStringLiteral("BenchDerived%1").arg(size));
        mustSucceed(
            log.open(folder->file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")));
        const ContestDef& def = *ContestCatalog::find(0);
        if (!MultiplierColumn(log)
                 .derivePending(def, MultiplierStation::of(def, SpecialStations(), "BU"))
                 .ok())
            qFatal("the bench log's multipliers were not derived");
    }
    return *folder;
}

// START-QSO on the set-up screen until the QSO screen is drawn, on a log the program wrote.
void BM_QsoScreenOpen(benchmark::State& state) {
    const TempDataFolder& logs = programLogs(int(state.range(0)));
    screen.reset();
    std::unique_ptr<ScreenHarness> h;
    for (auto _ : state) {
        state.PauseTiming();
        h.reset();
        h = std::make_unique<ScreenHarness>(false);
        for (const char* name : {"LogVELT.mdb", "DbsVELT.mdb"})
            QFile::copy(logs.file(QLatin1String(name)), h->folder.file(QLatin1String(name)));
        h->openQso("OpBCNUS", QStringLiteral("312"), nullptr, nullptr,
                   [&state] { state.ResumeTiming(); });
        drawn();
    }
    h.reset();
}

// The floor: one durable INSERT into the same log, in Enter's place. The contact is typed first as
// for Enter, and given up after, so that the log and the disk have been as idle before it as
// before an Enter: a commit right after another flushes in half the time.
void BM_DurableInsertFloor(benchmark::State& state) {
    ScreenHarness& h = screenFor(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        typeContact(h);
        drawn();
        state.ResumeTiming();
        mustExec(h.logDb,
                 QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, "
                                "Jud, Mult, Pct) VALUES (?, '01.03.26', '12:00', '2', "
                                "'599 312 BU', '599 123 CJ', 'CW', 'CJ', '  ', '2')"),
                 {BenchCalls::callsign(nextCall - 1)});
        state.PauseTiming();
        h.click(h.qso.get(), "CmdAbbruchX");
        drawn();
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
    b->Repetitions(3)->ReportAggregatesOnly(true);
}
BENCHMARK(BM_ScreenEnter)->Apply(sizes);
BENCHMARK(BM_ScreenEnterSerial)->Apply(sizes);
BENCHMARK(BM_ScreenAcceptSerial)->Apply(sizes);
BENCHMARK(BM_FirstKeyAfterEnter)->Apply(sizes);
BENCHMARK(BM_KeyStroke)->Apply(sizes);
BENCHMARK(BM_StageButton)->Apply(sizes);
BENCHMARK(BM_QsoScreenOpen)->Apply(sizes);
BENCHMARK(BM_DurableInsertFloor)->Apply(sizes);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen.reset();
    return 0;
}
