#include "EngineFixture.h"
#include "store/CallsignDb.h"

// The callsign-county database: what a lookup proposes, and what a logged contact teaches it.
class LookupTest : public QObject {
    Q_OBJECT
private slots:
    void learning_data() {
        // contest, 0/1 contest mode (1) or simulation, county stored before, county logged,
        // county stored afterwards ("-": no row), UPDATE statements run
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("new station learnt", "CpCFR 1 - CJ CJ 0");
        row("simulation writes nothing", "CpCFR 0 - CJ - 0");
        row("exchange word not learnt", "CpTransmis 1 - TRS - 0");
        row("no county exchanged", "CpCaras 1 - ION - 0");
        row("changed county updated", "CpCFR 1 AB CJ CJ 1");
        row("unchanged county, no UPDATE", "CpCFR 1 CJ CJ CJ 0");
        row("sector stays, no UPDATE", "CpCFR 1 B2 BU B2 0");
    }
    void learning() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        QCOMPARE(f.size(), 6);
        EngineFixture e(f[0]);
        QVERIFY(e.calls().exec("CREATE TABLE Updates (n)"));
        QVERIFY(e.calls().exec(QStringLiteral("CREATE TRIGGER CountUpdates AFTER UPDATE ON CallJud "
                                              "BEGIN INSERT INTO Updates VALUES (1); END")));
        e.app.chooseRealContest(f[1] == u'1');
        const QString call = QStringLiteral("YO5ABC");
        if (!f[2].isEmpty())
            e.known(call, f[2]);
        e.typeContact(call, f[3]);
        const EnterResult r = e.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QVERIFY(!r.learnFailed);
        QCOMPARE(e.storedCounty(call), f[4]);
        QCOMPARE(e.callJudRows(), f[4].isEmpty() ? 0 : 1);
        QCOMPARE(e.calls().scalar("SELECT count(*) FROM Updates").toInt(), f[5].toInt());
    }

    // Adding by hand on the log-view screen: refused entries leave the table as it was.
    void addByHandRefuses() {
        EngineFixture f("CampNatUS");
        f.known("YO5ABC", "CJ");
        CallsignDb calls(f.calls());
        QCOMPARE(calls.addByHand("YO5ABC", "BH").error(),
                 "INDICATIVUL YO5ABC EXISTA DEJA IN BAZA DE DATE ! NU S-A INSERAT NIMIC.");
        QCOMPARE(calls.addByHand("  ", "BH").error(),
                 "INTRODUCETI INDICATIVUL ! NU S-A INSERAT NIMIC.");
        QCOMPARE(f.callJudRows(), 1);
        QCOMPARE(f.storedCounty("YO5ABC"), "CJ");
    }

    // The set-up screen's own-call search: the longest stored prefix of the call wins.
    void ownCallByLongestPrefix_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("county"); // empty: nothing found
        auto row = [](const char* call, const char* county) {
            QTest::newRow(call) << call << county;
        };
        row("YO3ABC", "B4"); // the whole call, though a longer one is stored
        row(" yo5xyz ", "CJ");
        row("DL1ABC", "");
        row("YO'1", "IS");
    }
    void ownCallByLongestPrefix() {
        QFETCH(QString, call);
        QFETCH(QString, county);
        EngineFixture f("CampNatUS");
        for (const char* prefix : {"YO IS", "YO5 CJ", "YO3ABC B4", "YO3ABCD XX"}) {
            const QStringList p = fieldsOf(QLatin1String(prefix));
            f.known(p[0], p[1]);
        }
        const std::optional<CallsignRow> row = CallsignDb(f.calls()).longestPrefix(call);
        QCOMPARE(row ? row->county : QString(), county);
    }
};

QTEST_GUILESS_MAIN(LookupTest)
#include "LookupTest.moc"
