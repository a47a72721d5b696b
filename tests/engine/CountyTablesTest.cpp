#include "refdata/CountyTables.h"
#include "refdata/SpecialStations.h"
#include "setup/ContestCatalog.h"

#include <QTest>

class CountyTablesTest : public QObject {
    Q_OBJECT
private slots:
    void tables() {
        QCOMPARE(CountyTables::counties().size(), 42);
        QCOMPARE(CountyTables::zodiac().size(), 12);
        int listed = 0;
        for (int area = 2; area <= 9; ++area)
            listed += int(CountyTables::countiesOfArea(area).size());
        QCOMPARE(listed, 42); // every county in exactly one call area
        QCOMPARE(CountyTables::moldovanDistrictsOfArea(1).first(), QStringLiteral("C "));
        QCOMPARE(CountyTables::moldovanDistrictsOfArea(5).last(), QStringLiteral("VL"));
        QVERIFY(CountyTables::countiesOfArea(1).isEmpty());
        QVERIFY(CountyTables::moldovanDistrictsOfArea(6).isEmpty());
    }

    void list1ForACallsign_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("first");
        QTest::newRow("YO2") << "YO2ABC"
                             << "AR";
        QTest::newRow("YR9") << "YR9ABC"
                             << "BZ";
        QTest::newRow("YP6") << "YP6ABC"
                             << "BV";
        QTest::newRow("ER1") << "ER1AB"
                             << "C ";
        QTest::newRow("ER3") << "ER3AB"
                             << "BL";
        QTest::newRow("YO1: none") << "YO1ABC"
                                   << "";
        QTest::newRow("ER6: none") << "ER6AB"
                                   << "";
        QTest::newRow("foreign") << "DL5ABC"
                                 << "";
        QTest::newRow("short") << "YO"
                               << "";
    }
    void list1ForACallsign() {
        QFETCH(QString, call);
        QFETCH(QString, first);
        const QStringList list = CountyTables::countyChoices(call);
        QCOMPARE(list.value(0), first);
    }

    void chosenCounty() {
        QCOMPARE(CountyTables::chosenCounty(QStringLiteral("ER1AB"), QStringLiteral("C ")),
                 QStringLiteral("C *"));
        QCOMPARE(CountyTables::chosenCounty(QStringLiteral("YO5AB"), QStringLiteral("CJ")),
                 QStringLiteral("CJ"));
    }

    void checkCounty_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result"); // field afterwards
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* contest, const char* call, const char* text,
                      const char* result, const char* message) {
            QTest::newRow(name) << contest << call << text << result << message;
        };
        const char* judet = "JUDET INEXISTENT !";
        row("county", "CampNatUS", "YO5A", "CJ", "CJ", "");
        row("AA", "CpCFR", "DL5A", "AA", "AA", "");
        row("BU", "CpCFR", "YO3A", "BU", "BU", "");
        row("BU in BUC", "ConcBUC", "YO3A", "BU", "", judet);
        row("sector in BUC", "ConcBUC", "YO3A", "XF", "XF", "");
        row("sector elsewhere", "CpCFR", "YO3A", "XF", "", judet);
        row("RVR in 25Oct", "Cp25Oct", "YO3A", "RVR", "RVR", "");
        row("RVR in Transmis", "CpTransmis", "YO3A", "RVR", "", judet);
        row("TRS in Transmis", "CpTransmis", "YO3A", "TRS", "TRS", "");
        row("TRS in 25Oct", "Cp25Oct", "YO3A", "TRS", "TRS", "");
        row("NY in LMAYO", "LMAYO", "YO3A", "NY", "NY", "");
        row("NY elsewhere", "MemYO", "YO3A", "NY", "", judet);
        row("CF", "CpCFR", "YO3A", "CF", "CF", "");
        row("TLC", "Telecom", "YO3A", "TLC", "TLC", "");
        row("QT", "CpTimis", "YO2A", "QT", "QT", "");
        row("FG", "Ardel", "YO6A", "FG", "FG", "");
        row("lower case", "CampNatUS", "YO5A", "cj", "", judet);
        row("Caras anything", "CpCaras", "YO2A", "ION", "ION", "");
        row("zodiac", "CpPitesti", "YO7A", "LEU", "LEU", "");
        row("county in Pitesti", "CpPitesti", "YO7A", "AG", "", "ZODIE INEXISTENTA !");
        row("Moldovan district", "CpMoldova", "ER2A", "CS ", "CS*", "");
        row("district from the list", "CpMoldova", "ER2A", "CS*", "CS*", "");
    }
    void checkCounty() {
        QFETCH(QString, contest);
        QFETCH(QString, call);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QString, message);
        const CountyCheck check =
            CountyTables::checkCounty(*ContestCatalog::findByCode(contest), call, text);
        QCOMPARE(check.accepted, message.isEmpty());
        QCOMPARE(check.text, result);
        QCOMPARE(check.message, message);
    }

    void moldovaRegion() {
        QVERIFY(CountyTables::inMoldovaRegion(QStringLiteral("VS")));
        QVERIFY(CountyTables::inMoldovaRegion(QStringLiteral("VN ")));
        QVERIFY(!CountyTables::inMoldovaRegion(QStringLiteral("CJ")));
    }

    void specialStationFile() {
        const QString text = QStringLiteral("# comment\n"
                                            "Cp1Dec special yo1d   # trailing comment\n"
                                            "\n"
                                            "Ardel club100 YO6AA, YO6BB\n"
                                            "Ardel club YO6DD YO6EEE\n"
                                            "Nowhere special YO1A\n"
                                            "CpCFR club YO3ABC\n"
                                            "Valdora special YR8V YR8W\n"
                                            "CampNatUS special YO1A\n"
                                            "CpTimis club YO2A'B\n"
                                            "CpTimis\n");
        const auto r = SpecialStations::parse(text, QStringLiteral("special_stations.txt"));
        QCOMPARE(r.stations.special(QStringLiteral("Cp1Dec")), QStringLiteral("YO1D"));
        QCOMPARE(r.stations.list(QStringLiteral("Ardel"), QStringLiteral("club100")),
                 (QStringList{QStringLiteral("YO6AA"), QStringLiteral("YO6BB")}));
        QVERIFY(r.stations.contains(QStringLiteral("Ardel"), QStringLiteral("club"),
                                    QStringLiteral("YO6EEE")));
        QVERIFY(r.stations.special(QStringLiteral("Valdora")).isEmpty());
        QCOMPARE(r.messages.size(), 6);
        QCOMPARE(r.messages[0], QStringLiteral("special_stations.txt, linia 6: concursul "
                                               "\"Nowhere\" nu exista. Linia a fost ignorata."));
        QVERIFY(r.messages[1].contains(QStringLiteral("linia 7: lista \"club\" nu exista")));
        QVERIFY(r.messages[2].contains(QStringLiteral("un singur indicativ")));
        QVERIFY(r.messages[3].contains(QStringLiteral("nu are statii speciale")));
        QVERIFY(r.messages[4].contains(QStringLiteral("indicativ invalid \"YO2A'B\"")));
        QVERIFY(r.messages[5].contains(QStringLiteral("linia 11")));
    }

    // Thousands of bad lines are one message: their count and the first five.
    void manyBadLinesAreOneMessage() {
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("Nowhere special YO1A\n");
        const auto r = SpecialStations::parse(text, QStringLiteral("special_stations.txt"));
        const QString message = r.message();
        QVERIFY(message.startsWith(QStringLiteral("20000 linii nu au putut fi citite")));
        QVERIFY(message.contains(QStringLiteral("linia 5:")));
        QVERIFY(!message.contains(QStringLiteral("linia 6:")));
        QVERIFY(SpecialStations::parse(QStringLiteral("Cp1Dec special YO1D\n"), "x")
                    .message()
                    .isEmpty());
    }

    void shippedSpecialStationFileIsClean() {
        const auto r = SpecialStations::load(QStringLiteral(VELT_SOURCE_DIR) +
                                             QStringLiteral("/data/special_stations.txt"));
        QVERIFY2(r.messages.isEmpty(), qPrintable(r.messages.join(QLatin1Char('\n'))));
        for (const char* code : {"Cp1Dec", "CpCFR", "Valdora"})
            QVERIFY(!r.stations.special(QString::fromLatin1(code)).isEmpty());
        QVERIFY(!r.stations.list(QStringLiteral("CpTimis"), QStringLiteral("club")).isEmpty());
    }

    void missingSpecialStationFile() {
        const auto r = SpecialStations::load(QStringLiteral("/nonexistent/special_stations.txt"));
        QCOMPARE(r.messages.size(), 1);
        QVERIFY(r.stations.special(QStringLiteral("Cp1Dec")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CountyTablesTest)
#include "CountyTablesTest.moc"
