#include "rules/CountyTables.h"
#include "ExpectedFile.h"
#include "rules/ContestCatalog.h"
#include "rules/SpecialStations.h"

#include <QTest>

class CountyTablesTest : public QObject {
    Q_OBJECT
private slots:
    // The own county the set-up screen proposes from the one stored for the own call.
    void ownCountyMapsBucharest() {
        QVERIFY(answersAsExpected("data/tables/owncounty.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u' ');
            return CountyTables::ownCounty(f[0], f[1] == u'1');
        }));
    }

    void specialStationFile() {
        const QString text = QStringLiteral("# comment\n"
                                            "Cp1Dec special yo1d   # trailing comment\n"
                                            "\n"
                                            "Ardel club100 YO6AA, YO6BB\n"
                                            "Ardel club YO6DD YO6EEE K1A\n"
                                            "Nowhere special YO1A\n"
                                            "CpCFR club YO3ABC\n"
                                            "Valdora special YR8V YR8W\n"
                                            "CampNatUS special YO1A\n"
                                            "CpTimis club YO2A'B\n"
                                            "CpTimis\n");
        const auto r = SpecialStations::parse(text, QStringLiteral("special_stations.txt"));
        QCOMPARE(r.stations.special("Cp1Dec"), "YO1D");
        QCOMPARE(r.stations.list("Ardel", "club100"), (QStringList{"YO6AA", "YO6BB"}));
        QVERIFY(r.stations.contains("Ardel", "club", "YO6EEE"));
        QVERIFY(r.stations.contains("Ardel", "club", "K1A")); // the shortest callsign
        QVERIFY(r.stations.special("Valdora").isEmpty());
        QCOMPARE(r.messages.size(), 6);
        QCOMPARE(r.messages[0], QStringLiteral("special_stations.txt, linia 6: concursul "
                                               "\"Nowhere\" nu exista. Linia a fost ignorata."));
        QVERIFY(r.messages[1].contains("linia 7: lista \"club\" nu exista"));
        QVERIFY(r.messages[2].contains("un singur indicativ"));
        QVERIFY(r.messages[3].contains("nu are statii speciale"));
        QVERIFY(r.messages[4].contains("indicativ invalid \"YO2A'B\""));
        QVERIFY(r.messages[5].contains("linia 11"));
    }

    // The shipped file names its year and makes no example callsign real.
    void shippedSpecialStationFileIsClean() {
        const auto r =
            SpecialStations::load(QStringLiteral(VELT_SOURCE_DIR) + "/data/special_stations.txt");
        QVERIFY2(r.messages.isEmpty(), qPrintable(r.messages.join(QLatin1Char('\n'))));
        QVERIFY(r.stations.year() >= 2026);
        for (const char* code : {"Cp1Dec", "CpCFR", "Valdora"})
            QVERIFY(r.stations.special(QLatin1String(code)).isEmpty());
        QVERIFY(r.stations.list("Ardel", "club100").isEmpty());
    }

    // What the hand-over says about the file, for a contest in 2026.
    void specialStationNotice() {
        QVERIFY(answersAsExpected("data/tables/specialnotice.txt", [](const QString& row) {
            const QString f = row.section(QStringLiteral(": "), -1);
            const auto r = SpecialStations::parse(
                QString(f.section(u'|', 0, 0)).replace(QStringLiteral(" / "), QStringLiteral("\n")),
                QStringLiteral("special_stations.txt"));
            const QString said =
                r.stations.notice(*ContestCatalog::findByCode(f.section(u'|', 1)), 2026);
            return said.isEmpty() ? QStringLiteral("-") : said;
        }));
    }
};

QTEST_GUILESS_MAIN(CountyTablesTest)
#include "CountyTablesTest.moc"
