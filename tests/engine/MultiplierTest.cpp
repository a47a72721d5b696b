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
        row("BUC first XC", "ConcBUC", 1, "", "YO3A", "XC", false, "XC");
        row("BUC second XC", "ConcBUC", 1, "XC", "YO3A", "XC", false, "  ");
        row("BUC AA once in 1A", "ConcBUC", 1, "", "DL1A", "AA", false, "AA");
        row("BUC AA twice in 1A", "ConcBUC", 1, "AA", "DL1A", "AA", false, "  ");
        row("BUC AA in 1B", "ConcBUC", 2, "", "DL1A", "AA", false, "  ");
        row("MemYO AA once in 1A", "MemYO", 1, "", "DL1A", "AA", false, "AA");
        row("MemYO AA twice", "MemYO", 1, "AA", "DL1A", "AA", false, "  ");
        row("CampNatUS AA never", "CampNatUS", 1, "", "DL1A", "AA", false, "  ");
        row("CampNatUS first county", "CampNatUS", 4, "", "YO5A", "CJ", false, "CJ");
        row("CampNatUS county of another stage", "CampNatUS", 4, "", "YO5A", "AB", false, "AB");
        row("CampNatUS second county 2B", "CampNatUS", 4, "CJ", "YO5A", "CJ", false, "  ");
        row("empty county", "CampNatUS", 1, "", "YO5A", "", false, "  ");
        row("LMAYO NY always", "LMAYO", 1, "NY", "YO5A", "NY", true, "NY");
        row("Braila BR again", "CpBraila", 1, "BR", "YO4A", "BR", false, "BR");
        row("Braila BR other mode", "CpBraila", 2, "", "YO4A", "BR", true, "  ");
        row("Teleorman TR again", "CpTeleorman", 2, "TR", "YO9A", "TR", false, "TR");
        row("Transmis TRS again", "CpTransmis", 1, "TRS", "YO9A", "TRS", false, "TRS");
        row("Transmis TRS other mode", "CpTransmis", 1, "TRS", "YO9A", "TRS", true, "  ");
        row("Dimbovita DB always", "CpDimbovita", 1, "DB", "YO9A", "DB", true, "DB");
        row("25Oct RVR again", "Cp25Oct", 1, "RVR", "YO9A", "RVR", false, "RVR");
        row("25Oct TRS other mode", "Cp25Oct", 2, "", "YO9A", "TRS", true, "  ");
        row("CFR CF again", "CpCFR", 1, "CF", "YO9A", "CF", false, "CF");
        row("1Dec special station", "Cp1Dec", 1, "UNR", "YO1D", "CJ", false, "UNR");
        row("1Dec special station other mode", "Cp1Dec", 1, "", "YO1D", "CJ", true, "  ");
        row("1Dec plain station", "Cp1Dec", 1, "", "YO5A", "CJ", false, "CJ");
        row("Valdora BT in 1A", "Valdora", 1, "BT", "YO8A", "BT", false, "BT");
        row("Valdora BT in 1B is ordinary", "Valdora", 2, "BT", "YO8A", "BT", false, "  ");
        row("Telecom TLC again", "Telecom", 2, "TLC", "YO9A", "TLC", false, "TLC");
        row("Moldova BC in 1A", "CpMoldova", 1, "BC", "YO8A", "BC", false, "BC");
        row("Moldova BC in 1B is ordinary", "CpMoldova", 2, "BC", "YO8A", "BC", false, "  ");
        row("Timis TM again", "CpTimis", 1, "TM", "YO2A", "TM", false, "TM");
        row("Timis QT other mode", "CpTimis", 2, "", "YO2QTA", "QT", true, "  ");
        row("Timis own county", "CpTimis", 1, "", "YO9B", "PH", false, "  ");
        row("Timis other county", "CpTimis", 1, "", "YO5B", "CJ", false, "CJ");
        row("Pitesti AG in 2A", "CpPitesti", 3, "AG", "YO7A", "AG", false, "AG");
        row("Pitesti AG other mode", "CpPitesti", 4, "", "YO7A", "AG", true, "  ");
        row("Pitesti zodiac", "CpPitesti", 3, "", "YO7A", "LEU", false, "LEU");
        row("Ardel FG always", "Ardel", 2, "FG", "YO6DD", "FG", true, "FG");
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
        const bool neu = f.engine->IndicMult();
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
        QTest::newRow("young in 1A") << 1 << "915" << false << "ELV";
        QTest::newRow("young in 1B") << 2 << "118" << false << "ELV";
        QTest::newRow("grown") << 1 << "919" << false << "CJ";
        QTest::newRow("young, other mode") << 1 << "915" << true << "  ";
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
        f.engine->IndicInfo();
        f.engine->countyChanged(QStringLiteral("CJ"));
        f.c().codRcvd = codRcvd;
        QVERIFY(!f.engine->IndicInfoDubl().dupe);
        QCOMPARE(f.c().otherMode, otherMode);
        const EnterResult r = f.engine->Enter();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QCOMPARE(r.row.mult, mult);
    }

    void boardOfAStage() {
        EngineFixture f(QStringLiteral("MemYO"));
        QVERIFY(f.ok());
        for (const char* m : {"CJ", "  ", "AA", "", " ", "AB"})
            f.logged(QStringLiteral("YO5A"), 1, QStringLiteral("CW"), QStringLiteral("10:00"),
                     QString::fromLatin1(m));
        f.logged(QStringLiteral("YO5A"), 2, QStringLiteral("CW"), QStringLiteral("10:00"),
                 QStringLiteral("BV"));
        QStringList grey = f.engine->TabMult(1).grey;
        grey.sort();
        QCOMPARE(grey,
                 (QStringList{QStringLiteral("AB"), QStringLiteral("CJ"), QStringLiteral("NY")}));
    }

    void boardLabels_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("label");
        auto row = [](const char* name, const char* contest, const char* county,
                      const char* label) { QTest::newRow(name) << contest << county << label; };
        row("county", "CampNatUS", "CJ", "CJ");
        row("sector", "ConcBUC", "XC", "XC");
        row("NY", "LMAYO", "NY", "NY");
        row("AA in MemYO", "MemYO", "AA", "NY");
        row("AA elsewhere", "ConcBUC", "AA", "");
        row("club word", "CpTransmis", "TRS", "");
        row("blanks", "CampNatUS", " ", "");
    }

    void boardLabels() {
        QFETCH(QString, contest);
        QFETCH(QString, county);
        QFETCH(QString, label);
        QCOMPARE(CountyBoard::greyLabel(*ContestCatalog::findByCode(contest), county), label);
    }

    void boardGreenLabels() {
        QCOMPARE(CountyBoard::labels().size(), 49);
        QCOMPARE(
            CountyBoard::greenLabels(*ContestCatalog::findByCode(QStringLiteral("LMAYO"))).size(),
            49);
        QCOMPARE(
            CountyBoard::greenLabels(*ContestCatalog::findByCode(QStringLiteral("MemYO"))).size(),
            49);
        const QStringList club =
            CountyBoard::greenLabels(*ContestCatalog::findByCode(QStringLiteral("CpCFR")));
        QCOMPARE(club.size(), 48);
        QVERIFY(!club.contains(QStringLiteral("NY")));
    }
};

QTEST_GUILESS_MAIN(MultiplierTest)
#include "MultiplierTest.moc"
