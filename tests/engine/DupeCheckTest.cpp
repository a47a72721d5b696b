#include "EngineFixture.h"

// The duplicate rules: one contest of each kind, and both sides of every waiting time.
class DupeCheckTest : public QObject {
    Q_OBJECT
private slots:
    void dupeRules_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode"); // of the contact in hand; the earlier one is CW
        QTest::addColumn<QString>("now");  // UTC of the clock; the earlier contact is 12:00
        QTest::addColumn<bool>("offLine");
        QTest::addColumn<int>("loggedStage");
        QTest::addColumn<bool>("dupe");
        QTest::addColumn<bool>("mark");
        auto row = [](const char* name, const char* contest, int stage, const char* mode,
                      const char* now, bool offLine, int loggedStage, bool dupe, bool mark) {
            QTest::newRow(name) << contest << stage << mode << now << offLine << loggedStage << dupe
                                << mark;
        };
        row("same mode", "CampNatUS", 1, "CW", "12:30", false, 1, true, false);
        row("other stage", "CampNatUS", 1, "CW", "12:30", false, 2, false, false);
        row("blind to the mode", "CampNatUS", 1, "SSB", "12:30", false, 1, true, false);
        row("other mode free", "CpCaras", 1, "SSB", "12:01", false, 1, false, true);
        row("other mode always new", "CpIndep", 1, "SSB", "12:01", false, 1, false, false);
        row("wait 10, minute 9", "ConcBUC", 1, "SSB", "12:09", false, 1, true, false);
        row("wait 10, minute 10", "ConcBUC", 1, "SSB", "12:10", false, 1, false, false);
        row("wait 5, minute 4", "CpBraila", 2, "SSB", "12:04", false, 2, true, false);
        row("wait 5, minute 5", "CpBraila", 2, "SSB", "12:05", false, 2, false, false);
        row("off-line log does not wait", "ConcBUC", 1, "SSB", "12:01", true, 1, false, false);
        row("free in 1A", "CpCFR", 1, "SSB", "12:01", false, 1, false, true);
        row("waits in 2A", "CpCFR", 3, "SSB", "12:01", false, 3, true, false);
        row("dupe marks the other mode", "Cp1Dec", 1, "SSB", "12:01", false, 1, true, true);
    }

    void dupeRules() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(QString, now);
        QFETCH(bool, offLine);
        QFETCH(int, loggedStage);
        QFETCH(bool, dupe);
        QFETCH(bool, mark);

        EngineFixture f(contest, mode, stage);
        QVERIFY(f.ok());
        f.logged(QStringLiteral("YO5ABC"), loggedStage, QStringLiteral("CW"),
                 QStringLiteral("12:00"));
        f.app.offLineLog = offLine;
        f.at(now);
        f.c().callsign = QStringLiteral("yo5abc");
        const DupeView view = f.engine->checkDuplicate();
        QVERIFY(view.checked);
        QCOMPARE(view.dupe, dupe);
        QCOMPARE(f.c().dupe, dupe);
        QCOMPARE(f.c().otherMode, mark);
    }

    void waitIsMeasuredAcrossMidnight_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QTime>("localClock");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("dupe");
        QTest::newRow("23:58 to 00:09") << "23:58" << QTime(0, 9) << 0 << false;
        QTest::newRow("offset 2, 23:58 to 00:03 UTC") << "23:58" << QTime(2, 3) << 2 << true;
        QTest::newRow("offset 3, 21:55 to 22:05 UTC") << "21:55" << QTime(1, 5) << 3 << false;
    }
    void waitIsMeasuredAcrossMidnight() {
        QFETCH(QString, earlier);
        QFETCH(QTime, localClock);
        QFETCH(int, offset);
        QFETCH(bool, dupe);
        EngineFixture f(QStringLiteral("ConcBUC"), QStringLiteral("SSB"));
        QVERIFY(f.ok());
        f.app.settings.utcOffset = UtcOffset::typed(QString::number(offset));
        f.logged(QStringLiteral("YO3ABC"), 1, QStringLiteral("CW"), earlier);
        f.clock.current.setTime(localClock);
        f.c().callsign = QStringLiteral("YO3ABC");
        QCOMPARE(f.engine->checkDuplicate().dupe, dupe);
    }

    void correctedCallsignCanBeLogged() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.logged(QStringLiteral("YO5ABC"), 1, QStringLiteral("CW"), QStringLiteral("12:00"));
        f.c().callsign = QStringLiteral("YO5ABC");
        QVERIFY(f.engine->checkDuplicate().dupe);
        f.c().callsign = QStringLiteral("YO5ABD");
        const DupeView view = f.engine->checkDuplicate();
        QVERIFY(!view.dupe);
        QVERIFY(!view.dupe);
    }
};

QTEST_GUILESS_MAIN(DupeCheckTest)
#include "DupeCheckTest.moc"
