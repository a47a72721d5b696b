#include "EngineFixture.h"
#include "RunSetup.h"

// The duplicate rules: one contest of each kind, and both sides of every waiting time.
class DupeCheckTest : public QObject {
    Q_OBJECT
private slots:
    void dupeRules_data() {
        // contest, stage in hand and of the earlier contact, mode in hand (the earlier one is
        // CW), UTC of the earlier contact, UTC clock, offset typed (never used), then 0/1 for
        // off-line, duplicate and other-mode mark
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("blind to the mode", "CampNatUS 1 1 SSB 12:00 12:30 0 0 1 0");
        row("other mode always new", "CpIndep 1 1 SSB 12:00 12:01 0 0 0 0");
        row("wait 10, minute 9", "ConcBUC 1 1 SSB 12:00 12:09 0 0 1 0");
        row("wait 10, minute 10", "ConcBUC 1 1 SSB 12:00 12:10 0 0 0 0");
        row("wait 5, minute 5", "CpBraila 2 2 SSB 12:00 12:05 0 0 0 0");
        row("off-line log does not wait", "ConcBUC 1 1 SSB 12:00 12:01 0 1 0 0");
        row("free in 1A", "CpCFR 1 1 SSB 12:00 12:01 0 0 0 1");
        row("waits in 2A", "CpCFR 3 3 SSB 12:00 12:01 0 0 1 0");
        row("dupe marks the other mode", "Cp1Dec 1 1 SSB 12:00 12:01 0 0 1 1");
        row("23:58 to 00:09", "ConcBUC 1 1 SSB 23:58 00:09 0 0 0 0");
        row("offset typed, 23:58 to 00:03", "ConcBUC 1 1 SSB 23:58 00:03 2 0 1 0");
        row("offset typed, 21:55 to 22:05", "ConcBUC 1 1 SSB 21:55 22:05 3 0 0 0");
    }
    void dupeRules() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        QCOMPARE(f.size(), 10);
        EngineFixture e(f[0], f[3], f[1].toInt());
        e.logged(QStringLiteral("YO5ABC"), f[2].toInt(), QStringLiteral("CW"), f[4]);
        e.at(f[5]);
        changeRun(e.app, [&](HandOver& h) {
            h.settings.utcOffset = UtcOffset::typed(f[6]);
            h.offLine = f[7] == u'1';
        });
        e.c().callsign = QStringLiteral("yo5abc");
        const DupeView view = e.engine->rules().checkDuplicate();
        QVERIFY(view.checked);
        QCOMPARE(view.dupe, f[8] == u'1');
        QCOMPARE(e.c().dupe, view.dupe);
        QCOMPARE(e.c().otherMode, f[9] == u'1');
        // The mark follows the callsign now in the field, so a corrected one can be logged.
        e.c().callsign = QStringLiteral("YO5ABD");
        QVERIFY(!e.engine->rules().checkDuplicate().dupe);
    }
};

QTEST_GUILESS_MAIN(DupeCheckTest)
#include "DupeCheckTest.moc"
