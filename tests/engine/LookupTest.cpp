#include "EngineFixture.h"
#include "ExpectedFile.h"
#include "store/CallsignDb.h"

// The callsign-county database: what a lookup proposes, and what a logged contact teaches it.
class LookupTest : public QObject {
    Q_OBJECT
private slots:
    // What a logged contact teaches the database.
    void learning() {
        QVERIFY(answersAsExpected("data/tables/learning.txt", [](const QString& row) {
            const QStringList f = fieldsOf(row.section(QStringLiteral(": "), -1));
            EngineFixture e(f[0]);
            if (!e.calls().exec("CREATE TABLE Updates (n)") ||
                !e.calls().exec(
                    QStringLiteral("CREATE TRIGGER CountUpdates AFTER UPDATE ON "
                                   "CallJud BEGIN INSERT INTO Updates VALUES (1); END")))
                return QStringLiteral("no trigger");
            e.app.chooseRealContest(f[1] == u'1');
            const QString call = QStringLiteral("YO5ABC");
            if (!f[2].isEmpty())
                e.known(call, f[2]);
            e.typeContact(call, f[3]);
            const EnterResult r = e.engine->logContact();
            if (r.status != EnterResult::Status::Logged || r.learnFailed)
                return QStringLiteral("not logged");
            const QString stored = e.storedCounty(call);
            return (stored.isEmpty() ? QStringLiteral("-") : stored) + u' ' +
                   e.calls().scalar("SELECT count(*) FROM Updates").toString() +
                   (e.callJudRows() == (stored.isEmpty() ? 0 : 1) ? "" : " rows added");
        }));
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
