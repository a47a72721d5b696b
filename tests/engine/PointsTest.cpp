#include "logging/Points.h"
#include "setup/ContestCatalog.h"

#include <QTest>

// One row per kind of points rule, with both sides of each of its limits.
class PointsTest : public QObject {
    Q_OBJECT
private slots:
    void pointsOfEachRule_data() {
        // contest mode myCall countySent call countyReceived codeSent codeReceived preview logged;
        // "-" is empty
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("LMAYO CW doubled twice", "LMAYO CW YO9AAA PH YO5X CJ 9 5 4 8");
        row("class factor, same SSB", "CpBraila SSB YO4A BR YO4B BR 4 4 2 2");
        row("class factor, other CW", "CpBraila CW YO5A CJ YO4B BR 5 4 8 8");
        row("flat CW", "CpPitesti CW YO7A LEU YO5B RAC - - 6 6");
        row("BUC sector-outside", "ConcBUC CW YO3A XA YO5B CJ 001 002 4 4");
        row("BUC two sectors", "ConcBUC SSB YO3A XA YO3B XF 001 002 2 2");
        row("Indep BZ-BZ", "CpIndep CW YO9A BZ YO9B BZ 001 002 2 2");
        row("Indep BZ-other", "CpIndep SSB YO9A PH YO9B BZ 001 002 8 8");
        row("Valdora both BT CW", "Valdora CW YO8A BT YO8B BT 001 002 4 4");
        row("Valdora event station CW", "Valdora CW YO5A CJ YR8V BT 001 002 30 30");
        row("Valdora as event station SSB", "Valdora SSB YR8V CJ YO5B BT 001 002 15 15");
        row("Valdora own club in BT CW", "Valdora CW YO8KAA BT YO5B CJ 001 002 20 20");
        row("Valdora own club outside", "Valdora CW YO5KAA CJ YO8B BT 001 002 2 2");
        row("Valdora no clubs SSB", "Valdora SSB YO8A BT YO5B CJ 001 002 5 5");
        row("Valdora other club in BT", "Valdora CW YO5A CJ YO8KBB BT 001 002 20 20");
        row("Valdora other club outside", "Valdora CW YO8A BT YO5KBB CJ 001 002 2 2");
        row("Telecom cross CW", "Telecom CW YO9A TLC YO5B AB 001 002 8 4");
        row("Telecom plain CW", "Telecom CW YO9A AB YO5B CJ 001 002 4 2");
        row("Moldova VS-VS SSB", "CpMoldova SSB YO8A VS YO8B VS 001 002 2 2");
        row("Moldova across CW", "CpMoldova CW YO5A CJ YO8B IS 001 002 8 8");
        row("Timis TM-QT", "CpTimis CW YO2A TM YO2QTA QT 001 002 1 1");
        row("Timis QT-outsider", "CpTimis SSB YO2QTA QT YO5B CJ 001 002 6 6");
        row("Timis TM-outsider", "CpTimis CW YO5B CJ YO2B TM 001 002 4 4");
        row("Timis outsiders", "CpTimis CW YO5B CJ YO6B BV 001 002 2 2");
        row("CFR special CW", "CpCFR CW YO9A PH YO3CFR BU 001 002 4 8");
        row("CFR plain SSB", "CpCFR SSB YO9A PH YO5B AB 001 002 2 1");
        row("always one", "MemYO CW YO9A PH DL1B AA - - 4 1");
        row("always two", "CpCarpati CW YO9A PH YO5X CJ 1 2 4 2");
        row("Ardel code 100", "Ardel SSB YO9A PH YO6AA FG 101 100 2 100");
        row("Ardel FG", "Ardel SSB YO9A PH YO6DD FG 101 017 2 25");
        row("Ardel BV", "Ardel CW YO9A PH YO6X BV 101 017 4 10");
        row("Ardel other", "Ardel CW YO9A PH YO5X CJ 101 017 4 2");
        row("Martisor sent code", "Martisor SSB YO9A PH YO5X CJ 105 117 2 4");
        row("Martisor last digit 6", "Martisor SSB YO9A PH YO5X CJ 117 106 2 4");
        row("Martisor last digit 7", "Martisor SSB YO9A PH YO5X CJ 107 119 2 2");
        // 18 is the oldest age that counts as young
        row("Elevi young CW", "CpElevi CW YO9A PH YO5X CJ 930 918 4 16");
        row("Elevi grown CW", "CpElevi CW YO9A PH YO5X CJ 930 919 4 4");
        row("Elevi other club CW", "CpElevi CW YO9A PH YO5KAB CJ 915 125 4 8");
        row("Elevi own club SSB", "CpElevi SSB YO9KAB PH YO5X CJ 130 925 2 4");
    }

    void pointsOfEachRule() {
        QFETCH(QString, fields);
        QStringList f = fields.split(u' ');
        QCOMPARE(f.size(), 10);
        f.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
        SpecialStations specials;
        specials.set(QStringLiteral("Valdora"), QStringLiteral("special"),
                     {QStringLiteral("YR8V")});
        specials.set(QStringLiteral("CpCFR"), QStringLiteral("special"),
                     {QStringLiteral("YO3CFR")});
        const ContestDef* def = ContestCatalog::findByCode(f[0]);
        QVERIFY(def);
        QsoContact c;
        c.countySent = f[3];
        c.callsign = f[4];
        c.countyReceived = f[5];
        c.codeSent = f[6];
        c.codeReceived = f[7];
        const StationContext s{f[2], modeFromText(f[1]), &specials};
        QCOMPARE(Points::previewPoints(*def, c, s), f[8]);
        QCOMPARE(Points::enterPoints(*def, c, s), f[9]);
    }
};

QTEST_GUILESS_MAIN(PointsTest)
#include "PointsTest.moc"
