#include "rules/Correction.h"
#include "EngineFixture.h"

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
    void nextSentCode_data() {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("next");
        auto row = [](const char* name, const char* sent, const char* mode, const char* next) {
            QTest::newRow(name) << sent << mode << next;
        };
        row("99 to 100, SSB", "59 099 BV", "SSB", "100");
        row("999 to 1000", "599 999 BV", "CW", "1000");
        row("no code after the report", "59", "SSB", "001");
        row("word instead of a code", "599 ABC BV", "CW", "001");
    }
    void nextSentCode() {
        QFETCH(QString, sent);
        QFETCH(QString, mode);
        QFETCH(QString, next);
        QCOMPARE(Correction::nextSentCode(sent, mode), next);
    }
};

QTEST_GUILESS_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
