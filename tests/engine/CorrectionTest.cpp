#include "logging/Correction.h"
#include "EngineFixture.h"
#include "LogRows.h"

// Taking a logged contact back (Alt+F2): it is edited in place, never deleted and added again.
class CorrectionTest : public QObject {
    Q_OBJECT
private slots:
    // Taken back, cancelled, taken back again and changed: one row, in place, serials untouched.
    void correctionReplacesTheRowInPlace() {
        EngineFixture f("CpTeleorman");
        QVERIFY(f.logContact("YO5AAA", "CJ"));
        const qint64 second = f.logContact("YO6BBB", "MS");
        f.at("13:30"); // later: the contact keeps the time it was made at
        const QStringList before = logRows(f.log(), true);
        QVERIFY(*f.engine->store().startCorrection());
        QVERIFY(f.engine->store().cancelCorrection());
        QCOMPARE(logRows(f.log(), true), before);
        QCOMPARE(f.c().codeSent, "003");
        QCOMPARE(f.engine->store().sentCode(), "002");

        const std::optional<LogRow> row = *f.engine->store().startCorrection();
        QVERIFY(row);
        QCOMPARE(row->id, second);
        QCOMPARE(f.c().codeSent, "002");
        // The contact in hand is no duplicate or multiplier of its own row.
        QVERIFY(!f.engine->rules().checkDuplicate().dupe);
        QVERIFY(*f.engine->rules().checkMultiplier());
        f.c().callsign = "YO6BBC";
        f.engine->rules().countyChanged("HR");
        QVERIFY(f.engine->rules().checkMultiplier());
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QVERIFY(r.corrected);
        const QStringList after = logRows(f.log(), true);
        QCOMPARE(after.size(), 2);
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1], QStringLiteral("%1|YO6BBC|01.03.26|14:05|1|599 002 PH|599 5 HR|CW|HR|"
                                          "HR|2")
                               .arg(second));
        QCOMPARE(f.c().codeSent, "003"); // never a serial already sent
        QCOMPARE(f.engine->totals().resultRows()[0].qso, "2");
        QCOMPARE(f.engine->totals().resultRows()[0].mlt, "2");
    }

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
