#include "logging/Correction.h"
#include "EngineFixture.h"
#include "LogRows.h"

#include <QTest>

namespace {
// A contact typed and logged as the screen does it; its `ID`.
qint64 log(EngineFixture& f, const QString& call, const QString& county) {
    f.c().callsign = call;
    f.engine->lookUpCallsign();
    f.engine->countyChanged(county);
    f.c().codRcvd = QStringLiteral("005");
    f.engine->checkDuplicate();
    const EnterResult r = f.engine->logContact();
    return r.status == EnterResult::Status::Logged ? r.id : 0;
}

QStringList rows(EngineFixture& f) {
    return logRows(f.log(), true);
}
} // namespace

// Taking a logged contact back (Alt+F2): it is edited in place, never deleted and added again.
class CorrectionTest : public QObject {
    Q_OBJECT
private slots:
    void correctionReplacesTheRowInPlace() {
        EngineFixture f(QStringLiteral("CpTeleorman"));
        QVERIFY(f.ok());
        QVERIFY(log(f, QStringLiteral("YO5AAA"), QStringLiteral("CJ")));
        const qint64 second = log(f, QStringLiteral("YO6BBB"), QStringLiteral("MS"));
        f.at(QStringLiteral("13:30")); // later: the contact keeps the time it was made at
        const QStringList before = rows(f);

        const std::optional<LogRow> row = f.engine->startCorrection();
        QVERIFY(row);
        QCOMPARE(row->id, second);
        QCOMPARE(rows(f), before);
        QCOMPARE(f.c().codSent, QStringLiteral("002"));
        f.c().callsign = QStringLiteral("YO6BBC");
        f.engine->countyChanged(QStringLiteral("HR"));
        f.engine->checkMultiplier();
        const EnterResult r = f.engine->logContact();

        QCOMPARE(r.status, EnterResult::Status::Logged);
        QVERIFY(r.corrected);
        QCOMPARE(r.id, second);
        const QStringList after = rows(f);
        QCOMPARE(after.size(), 2);
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1], QStringLiteral("%1|YO6BBC|01.03.26|14:05|1|599 002 PH|599 005 HR|CW|HR|"
                                          "HR|2")
                               .arg(second));
        QCOMPARE(f.c().codSent, QStringLiteral("003")); // never a serial already sent
        QCOMPARE(f.engine->labels().qsos, 2);
        QCOMPARE(f.engine->labels().multipliers, 2);
    }

    void cancelLeavesTheRowAndTheSerial() {
        EngineFixture f(QStringLiteral("CpTeleorman"));
        QVERIFY(f.ok());
        log(f, QStringLiteral("YO5AAA"), QStringLiteral("CJ"));
        log(f, QStringLiteral("YO6BBB"), QStringLiteral("MS"));
        const QStringList before = rows(f);
        QVERIFY(f.engine->startCorrection());
        f.engine->cancelCorrection();
        QCOMPARE(rows(f), before);
        QVERIFY(!f.engine->correction());
        QCOMPARE(f.c().codSent, QStringLiteral("003"));
        QCOMPARE(f.engine->labels().sentCode, QStringLiteral("002"));
    }

    void correctedContactIsNoDuplicateOrMultiplierOfItself() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        log(f, QStringLiteral("YO5AAA"), QStringLiteral("CJ"));
        QVERIFY(f.engine->startCorrection());
        QVERIFY(!f.engine->checkDuplicate().dupe);
        QVERIFY(f.engine->checkMultiplier());
        QCOMPARE(f.engine->logContact().status, EnterResult::Status::Logged);
        QCOMPARE(f.engine->labels().multipliers, 1);
    }

    void correctionKeepsTheStageOfItsRow() {
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), 2);
        QVERIFY(f.ok());
        log(f, QStringLiteral("YO5AAA"), QStringLiteral("CJ"));
        f.engine->chooseStage(1);
        QVERIFY(f.engine->startCorrection());
        f.engine->countyChanged(QStringLiteral("MS"));
        f.engine->checkMultiplier();
        QCOMPARE(f.engine->logContact().status, EnterResult::Status::Logged);
        QVERIFY(rows(f).first().contains(QStringLiteral("|2|599 ")));
        QCOMPARE(f.app.totals[1].qsos, 1);
        QCOMPARE(f.app.totals[1].multipliers, 1);
        QCOMPARE(f.app.totals[0].qsos, 0);
    }

    void takesOnlyWhatThisProgramLogged() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.logged(QStringLiteral("YO7OLD"), 1, QStringLiteral("CW"), QStringLiteral("09:00"));
        QCOMPARE(f.engine->startCorrection()->callsign, QStringLiteral("YO7OLD"));
        f.engine->cancelCorrection();
        log(f, QStringLiteral("YO5MINE"), QStringLiteral("CJ"));
        f.logged(QStringLiteral("YO8OTHER"), 1, QStringLiteral("CW"), QStringLiteral("12:06"));
        QCOMPARE(f.engine->startCorrection()->callsign, QStringLiteral("YO5MINE"));
        f.engine->cancelCorrection();
        QVERIFY(f.log().exec(QStringLiteral("DELETE FROM LogGen WHERE Callsign = 'YO5MINE'")));
        QVERIFY(!f.engine->startCorrection());
    }

    void deleteLetsTheSerialFollowTheLog() {
        EngineFixture f(QStringLiteral("CpTeleorman"));
        QVERIFY(f.ok());
        QList<qint64> ids;
        for (const char* call : {"YO5AAA", "YO5BBB", "YO5CCC"})
            ids << log(f, QString::fromLatin1(call), QStringLiteral("CJ"));
        QVERIFY(f.engine->deleteContact(ids.last()));
        QCOMPARE(f.engine->labels().sentCode, QStringLiteral("002"));
        QCOMPARE(f.c().codSent, QStringLiteral("003"));
    }

    void nextCodeAfterModeChange_data() {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("next");
        QTest::newRow("SSB") << "59 099 BV"
                             << "SSB"
                             << "100";
        QTest::newRow("no code after the report") << "59"
                                                  << "SSB"
                                                  << "001";
        QTest::newRow("word instead of a code") << "599 ABC BV"
                                                << "CW"
                                                << "001";
    }
    void nextCodeAfterModeChange() {
        QFETCH(QString, sent);
        QFETCH(QString, mode);
        QFETCH(QString, next);
        QCOMPARE(Correction::nextSentCode(sent, mode), next);
    }
};

QTEST_GUILESS_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
