#include "EngineFixture.h"
#include "refdata/CountyBoard.h"

class MultiplierTest : public QObject {
    Q_OBJECT
private slots:
    void multiplierRules_data() {
        // contest, stage, multiplier already logged in the stage, call, county, 0/1 for a
        // contact in the other mode, the multiplier written ("-" for none)
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("AA once in 1A", "ConcBUC 1 - DL1A AA 0 AA");
        row("AA twice in 1A", "ConcBUC 1 AA DL1A AA 0 -");
        row("AA in 1B", "ConcBUC 2 - DL1A AA 0 -");
        row("AA never", "CampNatUS 1 - DL1A AA 0 -");
        row("second county", "CampNatUS 4 CJ YO5A CJ 0 -");
        row("empty county", "CampNatUS 1 - YO5A - 0 -");
        row("special always", "LMAYO 1 NY YO5A NY 1 NY");
        row("special again", "CpBraila 1 BR YO4A BR 0 BR");
        row("special other mode", "CpBraila 2 - YO4A BR 1 -");
        row("special station", "Cp1Dec 1 UNR YO1D CJ 0 UNR");
        row("special station other mode", "Cp1Dec 1 - YO1D CJ 1 -");
        row("special in its last stage", "Valdora 1 BT YO8A BT 0 BT");
        row("special after its last stage", "Valdora 2 BT YO8A BT 0 -");
        row("own county", "CpTimis 1 - YO9B PH 0 -");
        row("not own county", "CpTimis 1 - YO5B CJ 0 CJ");
        row("never", "CpCaras 1 - YO2A ION 0 -");
        row("apostrophe", "CampNatUS 1 C'J YO5A C'J 0 -");
    }
    void multiplierRules() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        QCOMPARE(f.size(), 7);
        const int stage = f[1].toInt();
        EngineFixture e(f[0], QStringLiteral("CW"), stage);
        if (!f[2].isEmpty())
            e.logged(QStringLiteral("YO9ZZZ"), stage, QStringLiteral("CW"), QStringLiteral("10:00"),
                     f[2]);
        e.logged(QStringLiteral("YO9ZZY"), stage == 1 ? 2 : 1, QStringLiteral("CW"),
                 QStringLiteral("10:00"), f[4]); // the same multiplier in another stage
        e.c().callsign = f[3];
        e.c().countyReceived = f[4];
        e.c().proposedCounty = f[4];
        e.c().otherMode = f[5] == u'1';
        e.c().boardCounty = QStringLiteral("XX"); // left by an earlier check of this contact
        const bool neu = e.engine->checkMultiplier();
        QCOMPARE(e.c().mult, f[6].isEmpty() ? QStringLiteral("  ") : f[6]);
        QCOMPARE(neu, !f[6].isEmpty());
        QCOMPARE(e.c().newMult, neu);
        QCOMPARE(e.c().boardCounty, neu ? f[4] : QString());
    }

    void ardelYoungLadyCode() {
        EngineFixture f(QStringLiteral("Ardel"));
        QVERIFY(f.engine->codeChanged(QStringLiteral("000")));
        QCOMPARE(f.c().mult, QStringLiteral("YL"));
    }

    void boardLabels_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("label");
        auto row = [](const char* name, const char* contest, const char* county,
                      const char* label) { QTest::newRow(name) << contest << county << label; };
        row("AA in MemYO", "MemYO", "AA", "NY");
        row("AA elsewhere", "ConcBUC", "AA", "");
        row("club word", "CpTransmis", "TRS", "");
    }
    void boardLabels() {
        QFETCH(QString, contest);
        QFETCH(QString, county);
        QFETCH(QString, label);
        QCOMPARE(CountyBoard::greyLabel(*ContestCatalog::findByCode(contest), county), label);
    }
};

QTEST_GUILESS_MAIN(MultiplierTest)
#include "MultiplierTest.moc"
