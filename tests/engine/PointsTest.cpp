#include "rules/Points.h"
#include "ExpectedFile.h"
#include "rules/ContestCatalog.h"

#include <QTest>

// One row per kind of points rule, with both sides of each of its limits.
class PointsTest : public QObject {
    Q_OBJECT
private slots:
    void pointsOfEachRule() {
        SpecialStations specials;
        specials.set(QStringLiteral("Valdora"), QStringLiteral("special"),
                     {QStringLiteral("YR8V")});
        specials.set(QStringLiteral("CpCFR"), QStringLiteral("special"),
                     {QStringLiteral("YO3CFR")});
        QVERIFY(answersAsExpected("data/tables/points.txt", [&](const QString& row) {
            QStringList f = row.section(QStringLiteral(": "), -1).split(u' ');
            f.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), QString());
            const ContestDef& def = *ContestCatalog::findByCode(f[0]);
            QsoContact c;
            c.countySent = f[3];
            c.callsign = f[4];
            c.countyReceived = f[5];
            c.codeSent = f[6];
            c.codeReceived = f[7];
            const StationContext s{f[2], modeFromText(f[1]), &specials};
            return Points::previewPoints(def, c, s) + u' ' + Points::enterPoints(def, c, s);
        }));
    }
};

QTEST_GUILESS_MAIN(PointsTest)
#include "PointsTest.moc"
