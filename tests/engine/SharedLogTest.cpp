#include "EngineFixture.h"
#include "EntryModel.h"
#include "LogRows.h"
#include "logging/LogStore.h"

// Two programs logging into one file: each contact is stored with the serial its screen showed,
// no serial is shown for two contacts, and each screen's totals follow the log.
class SharedLogTest : public QObject {
    Q_OBJECT
private slots:
    void twoScreensOneLog() {
        EngineFixture fixture("Telecom");
        Database otherLog(QStringLiteral("OtherLog"));
        Database otherCalls(QStringLiteral("OtherCalls"));
        QCOMPARE(otherLog.open(fixture.log().path(), "LogGen"), Database::OpenResult::Ok);
        QCOMPARE(otherCalls.open(fixture.calls().path(), "CallJud"), Database::OpenResult::Ok);
        EntryModel a(fixture.app, fixture.log(), fixture.calls(), fixture.specials, fixture.clock);
        EntryModel b(fixture.app, otherLog, otherCalls, fixture.specials, fixture.clock);
        const auto serial = [](EntryModel& screen) {
            return screen.model.text(EntryField::CodeSent);
        };
        // Both accept a caller: the second screen never shows the first one's serial.
        a.accept("YO8SA1");
        b.accept("YO8SB1");
        QCOMPARE(serial(a), "001");
        QCOMPARE(serial(b), "002");
        a.finish("011", "BC");
        b.finish("022", "NT");
        // A serial given up with a cancel is never shown again: a gap, no repeat.
        a.accept("YO8SC1");
        a.model.cancelContact();
        b.accept("YO8SD1");
        a.log("YO8SE1", "033", "CJ");
        b.finish("044", "IS");
        QCOMPARE(logRows(fixture.log()).size(), 4);
        QStringList sent;
        for (const QString& row : logRows(fixture.log()))
            sent << row.section(u'|', 0, 0) + u' ' + row.section(u'|', 4, 4);
        QCOMPARE(sent, QStringList({"YO8SA1 599 001 PH", "YO8SB1 599 002 PH", "YO8SE1 599 005 PH",
                                    "YO8SD1 599 004 PH"}));

        // Within a second each screen shows the totals of the log and the serial it would send.
        const auto totals = LogStore(fixture.log()).stageTotals();
        QVERIFY(totals.ok());
        for (EntryModel* screen : {&a, &b}) {
            screen->model.followLog();
            const ResultRow shown = screen->model.results()[0];
            QCOMPARE(shown.qso.toInt(), (*totals)[0].qsos);
            QCOMPARE(shown.mlt.toInt(), (*totals)[0].multipliers);
            QCOMPARE(shown.pkt.toLongLong(), (*totals)[0].points);
            QCOMPARE(screen->model.sentLabel(), "004");
            QCOMPARE(serial(*screen), "006");
        }
    }
};

QTEST_GUILESS_MAIN(SharedLogTest)
#include "SharedLogTest.moc"
