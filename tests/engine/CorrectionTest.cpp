#include "rules/Correction.h"
#include "EngineFixture.h"
#include "ExpectedFile.h"

// Taking a logged contact back (Alt+F2): it is edited in place, never deleted and added again.
class CorrectionTest : public QObject {
    Q_OBJECT
private slots:
    void takesOnlyWhatThisProgramLogged() {
        EngineFixture f("CampNatUS");
        f.logged("YO7OLD", 1, "CW", "09:00");
        QCOMPARE(f.engine->store().startCorrection()->value().callsign, "YO7OLD");
        QVERIFY(f.engine->store().cancelCorrection());
        f.logContact("YO5MINE", "CJ");
        f.logged("YO8OTHER", 1, "CW", "12:06");
        QCOMPARE(f.engine->store().startCorrection()->value().callsign, "YO5MINE");
        QVERIFY(f.engine->store().cancelCorrection());
        QVERIFY(f.log().exec("DELETE FROM LogGen WHERE Callsign = 'YO5MINE'"));
        QVERIFY(!*f.engine->store().startCorrection());
    }

    // The serial after the newest contact's sent exchange, with each carry.
    void nextSentCode() {
        QVERIFY(answersAsExpected("data/tables/nextserial.txt", [](const QString& row) {
            const QString f = row.section(QStringLiteral(": "), -1);
            return Correction::nextSentCode(f.section(u'|', 0, 0), f.section(u'|', 1));
        }));
    }
};

QTEST_GUILESS_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
