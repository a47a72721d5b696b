#include "rules/Points.h"
#include "rules/ContestCatalog.h"

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
        row("class factor, same SSB", "CpBraila SSB YO4A BR YO4B BR 4 4 2 2");
        row("Indep BZ-BZ", "CpIndep CW YO9A BZ YO9B BZ 001 002 2 2");
        row("Valdora both BT CW", "Valdora CW YO8A BT YO8B BT 001 002 4 4");
        row("Valdora as event station SSB", "Valdora SSB YR8V CJ YO5B BT 001 002 15 15");
        row("Valdora own club in BT CW", "Valdora CW YO8KAA BT YO5B CJ 001 002 20 20");
        row("Valdora own club outside", "Valdora CW YO5KAA CJ YO8B BT 001 002 2 2");
        row("Valdora no clubs SSB", "Valdora SSB YO8A BT YO5B CJ 001 002 5 5");
        row("Valdora other club in BT", "Valdora CW YO5A CJ YO8KBB BT 001 002 20 20");
        row("Valdora other club outside", "Valdora CW YO8A BT YO5KBB CJ 001 002 2 2");
        row("Moldova VS-VS SSB", "CpMoldova SSB YO8A VS YO8B VS 001 002 2 2");
        row("Timis QT-outsider", "CpTimis SSB YO2QTA QT YO5B CJ 001 002 6 6");
        row("Timis outsiders", "CpTimis CW YO5B CJ YO6B BV 001 002 2 2");
        row("CFR plain SSB", "CpCFR SSB YO9A PH YO5B AB 001 002 2 1");
        row("Martisor last digit 6", "Martisor SSB YO9A PH YO5X CJ 117 106 2 4");
        row("Martisor last digit 7", "Martisor SSB YO9A PH YO5X CJ 107 119 2 2");
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
