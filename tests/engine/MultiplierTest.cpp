#include "EngineFixture.h"
#include "refdata/CountyBoard.h"

class MultiplierTest : public QObject {
    Q_OBJECT
private slots:
    void multiplierRules_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("already"); // multiplier already logged in the stage
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("county");
        QTest::addColumn<bool>("otherMode");
        QTest::addColumn<QString>("mult");

        auto row = [](const char* name, const char* contest, int stage, const char* already,
                      const char* call, const char* county, bool otherMode, const char* mult) {
            QTest::newRow(name) << contest << stage << already << call << county << otherMode
                                << mult;
        };
        row("BUC AA once in 1A", "ConcBUC", 1, "", "DL1A", "AA", false, "AA");
        row("BUC AA twice in 1A", "ConcBUC", 1, "AA", "DL1A", "AA", false, "  ");
        row("BUC AA in 1B", "ConcBUC", 2, "", "DL1A", "AA", false, "  ");
        row("CampNatUS AA never", "CampNatUS", 1, "", "DL1A", "AA", false, "  ");
        row("CampNatUS first county", "CampNatUS", 4, "", "YO5A", "CJ", false, "CJ");
        row("CampNatUS county of another stage", "CampNatUS", 4, "", "YO5A", "AB", false, "AB");
        row("CampNatUS second county 2B", "CampNatUS", 4, "CJ", "YO5A", "CJ", false, "  ");
        row("empty county", "CampNatUS", 1, "", "YO5A", "", false, "  ");
        row("LMAYO NY always", "LMAYO", 1, "NY", "YO5A", "NY", true, "NY");
        row("Braila BR again", "CpBraila", 1, "BR", "YO4A", "BR", false, "BR");
        row("Braila BR other mode", "CpBraila", 2, "", "YO4A", "BR", true, "  ");
        row("1Dec special station", "Cp1Dec", 1, "UNR", "YO1D", "CJ", false, "UNR");
        row("1Dec special station other mode", "Cp1Dec", 1, "", "YO1D", "CJ", true, "  ");
        row("Valdora BT in 1A", "Valdora", 1, "BT", "YO8A", "BT", false, "BT");
        row("Valdora BT in 1B is ordinary", "Valdora", 2, "BT", "YO8A", "BT", false, "  ");
        row("Timis own county", "CpTimis", 1, "", "YO9B", "PH", false, "  ");
        row("Timis other county", "CpTimis", 1, "", "YO5B", "CJ", false, "CJ");
        row("Pitesti zodiac", "CpPitesti", 3, "", "YO7A", "LEU", false, "LEU");
        row("Caras never", "CpCaras", 1, "", "YO2A", "ION", false, "  ");
        row("apostrophe", "CampNatUS", 1, "C'J", "YO5A", "C'J", false, "  ");
    }

    void multiplierRules() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, already);
        QFETCH(QString, call);
        QFETCH(QString, county);
        QFETCH(bool, otherMode);
        QFETCH(QString, mult);

        EngineFixture f(contest, QStringLiteral("CW"), stage);
        QVERIFY(f.ok());
        if (!already.isEmpty())
            f.logged(QStringLiteral("YO9ZZZ"), stage, QStringLiteral("CW"), QStringLiteral("10:00"),
                     already);
        f.logged(QStringLiteral("YO9ZZY"), stage == 1 ? 2 : 1, QStringLiteral("CW"),
                 QStringLiteral("10:00"), county); // the same multiplier in another stage
        f.c().callsign = call;
        f.c().judRcvd = county;
        f.c().proposedCounty = county;
        f.c().otherMode = otherMode;
        const bool neu = f.engine->checkMultiplier();
        QCOMPARE(f.c().mult, mult);
        QCOMPARE(neu, mult != QStringLiteral("  "));
        QCOMPARE(f.c().newMult, neu);
        if (neu)
            QCOMPARE(f.c().boardCounty, county);
    }

    void ardelYoungLadyCode() {
        EngineFixture f(QStringLiteral("Ardel"));
        QVERIFY(f.ok());
        QVERIFY(f.engine->codeChanged(QStringLiteral("000")));
        QCOMPARE(f.c().mult, QStringLiteral("YL"));
    }

    void elevMultiplierWritten_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("codRcvd");
        QTest::addColumn<bool>("otherMode");
        QTest::addColumn<QString>("mult");
        QTest::newRow("young in 1B") << 2 << "118" << false << "ELV";
        QTest::newRow("grown") << 1 << "919" << false << "CJ";
    }
    void elevMultiplierWritten() {
        QFETCH(int, stage);
        QFETCH(QString, codRcvd);
        QFETCH(bool, otherMode);
        QFETCH(QString, mult);
        EngineFixture f(QStringLiteral("CpElevi"), QStringLiteral("SSB"), stage);
        QVERIFY(f.ok());
        if (otherMode)
            f.logged(QStringLiteral("YO5ABC"), stage, QStringLiteral("CW"), QStringLiteral("10:00"),
                     QStringLiteral("CJ"));
        f.c().callsign = QStringLiteral("YO5ABC");
        f.engine->lookUpCallsign();
        f.engine->countyChanged(QStringLiteral("CJ"));
        f.c().codRcvd = codRcvd;
        QVERIFY(!f.engine->checkDuplicate().dupe);
        QCOMPARE(f.c().otherMode, otherMode);
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QCOMPARE(r.row.mult, mult);
    }

    void boardLabels_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("label");
        auto row = [](const char* name, const char* contest, const char* county,
                      const char* label) { QTest::newRow(name) << contest << county << label; };
        row("county", "CampNatUS", "CJ", "CJ");
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
