#include "EngineFixture.h"
#include "EntryModel.h"
#include "LogRows.h"

// Two programs logging into one file: each contact is stored with the serial its screen showed,
// no serial is shown for two contacts, and a serial given up is never shown again.
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
        QStringList sent;
        for (const QString& row : logRows(fixture.log()))
            sent << row.section(u'|', 0, 0) + u' ' + row.section(u'|', 4, 4);
        QCOMPARE(sent, QStringList({"YO8SA1 599 001 PH", "YO8SB1 599 002 PH", "YO8SE1 599 005 PH",
                                    "YO8SD1 599 004 PH"}));
        for (EntryModel* screen : {&a, &b}) {
            screen->model.followLog();
            QCOMPARE(screen->model.sentLabel(), "004");
            QCOMPARE(serial(*screen), "006");
        }
    }
};

QTEST_GUILESS_MAIN(SharedLogTest)
#include "SharedLogTest.moc"
