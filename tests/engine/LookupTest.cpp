#include "EngineFixture.h"
#include "refdata/CallsignDb.h"

// The callsign-county database: what a lookup proposes, and what a logged contact teaches it.
class LookupTest : public QObject {
    Q_OBJECT
private slots:
    void proposedCounty_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("stored"); // county in CallJud, empty for none
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("codRcvd");

        auto row = [](const char* name, const char* contest, const char* stored, const char* call,
                      bool found, const char* county, const char* codRcvd) {
            QTest::newRow(name) << contest << stored << call << found << county << codRcvd;
        };
        row("sector in BUC", "ConcBUC", "B3", "YO3ABC", true, "XC", "");
        row("sector elsewhere", "CampNatUS", "B3", "YO3ABC", true, "BU", "");
        row("BU in BUC", "ConcBUC", "BU", "YO3ABC", true, "", "");
        row("plain county", "CpCFR", "CJ", "yo5abc", true, "CJ", "");
        row("MemYO foreign", "MemYO", "", "DL1ABC", true, "AA", "");
        row("MemYO Romanian", "MemYO", "CJ", "YR5ABC", true, "CJ", "");
        row("maritime mobile", "CampNatUS", "", "YO5ABC/MM", true, "AA", "");
        row("Ardel club with code 100", "Ardel", "BV", "YO6AA", true, "FG", "100");
        row("Ardel club outside BV", "Ardel", "CJ", "YO6DD", true, "CJ", "");
        row("Pitesti proposes no zodiac", "CpPitesti", "AG", "YO7ABC", true, "", "");
        row("unknown", "CampNatUS", "", "YO5ABC", false, "", "");
        row("apostrophe", "CampNatUS", "C'J", "YO5'X", true, "C'J", "");
    }

    void proposedCounty() {
        QFETCH(QString, contest);
        QFETCH(QString, stored);
        QFETCH(QString, call);
        QFETCH(bool, found);
        QFETCH(QString, county);
        QFETCH(QString, codRcvd);
        EngineFixture f(contest);
        QVERIFY(f.ok());
        if (!stored.isEmpty())
            f.known(call.toUpper(), stored);
        f.c().callsign = call;
        const LookupView view = f.engine->lookUpCallsign();
        QCOMPARE(view.found, found);
        QCOMPARE(f.c().notFound, !found);
        QCOMPARE(f.c().judRcvd, county);
        QCOMPARE(f.c().proposedCounty, county);
        QCOMPARE(f.c().codRcvd, codRcvd);
        QCOMPARE(f.c().callsign, call.toUpper());
        QCOMPARE(f.c().rstRcvd, QStringLiteral("599"));
        QCOMPARE(f.c().judSent, QStringLiteral("PH"));
    }

    void notFoundState_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("counties");
        const char* absent = "   NU EXISTA IN BAZA DE DATE !!";
        QTest::newRow("county list") << "CampNatUS"
                                     << "YO5ABC" << QStringLiteral("YO5ABC") + absent << true;
        QTest::newRow("district list") << "CpMoldova"
                                       << "ER1AB" << QStringLiteral("ER1AB") + absent << true;
        QTest::newRow("sectors: no box, no list") << "ConcBUC"
                                                  << "YO3AB" << QString() << false;
        QTest::newRow("names: no list") << "CpCaras"
                                        << "YO2AB" << QStringLiteral("YO2AB") + absent << false;
    }
    void notFoundState() {
        QFETCH(QString, contest);
        QFETCH(QString, call);
        QFETCH(QString, error);
        QFETCH(bool, counties);
        EngineFixture f(contest);
        QVERIFY(f.ok());
        f.c().callsign = call;
        const LookupView view = f.engine->lookUpCallsign();
        QVERIFY(!view.found);
        QVERIFY(view.hideStationFrames);
        QCOMPARE(view.errorText, error);
        QCOMPARE(view.offersCounties, counties);
        QCOMPARE(!view.counties.isEmpty(), counties);
    }

    void learning_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<bool>("contestMode");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("after"); // county in CallJud afterwards, empty for no row
        QTest::addColumn<int>("updates");
        auto row = [](const char* name, const char* contest, bool contestMode, const char* stored,
                      const char* logged, const char* after, int updates) {
            QTest::newRow(name) << contest << contestMode << stored << logged << after << updates;
        };
        row("new station learnt", "CpCFR", true, "", "CJ", "CJ", 0);
        row("simulation writes nothing", "CpCFR", false, "", "CJ", "", 0);
        row("TRS not learnt", "CpTransmis", true, "", "TRS", "", 0);
        row("sector not learnt", "ConcBUC", true, "", "XB", "", 0);
        row("Caras learns nothing", "CpCaras", true, "", "ION", "", 0);
        row("no county, nothing learnt", "CpCFR", true, "AB", "", "AB", 0);
        row("changed county updated", "CpCFR", true, "AB", "CJ", "CJ", 1);
        row("unchanged county, no UPDATE", "CpCFR", true, "CJ", "CJ", "CJ", 0);
        row("sector stays, no UPDATE", "CpCFR", true, "B2", "BU", "B2", 0);
    }

    void learning() {
        QFETCH(QString, contest);
        QFETCH(bool, contestMode);
        QFETCH(QString, stored);
        QFETCH(QString, logged);
        QFETCH(QString, after);
        QFETCH(int, updates);
        EngineFixture f(contest);
        QVERIFY(f.ok());
        QVERIFY(f.calls().exec(QStringLiteral("CREATE TABLE Updates (n)")));
        QVERIFY(f.calls().exec(QStringLiteral("CREATE TRIGGER CountUpdates AFTER UPDATE ON CallJud "
                                              "BEGIN INSERT INTO Updates VALUES (1); END")));
        f.app.contestMode = contestMode;
        const QString call = QStringLiteral("YO5ABC");
        if (!stored.isEmpty())
            f.known(call, stored);
        f.c().callsign = call;
        f.engine->lookUpCallsign();
        f.engine->countyChanged(logged);
        f.c().codRcvd = QStringLiteral("001");
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QVERIFY(!r.learnFailed);
        QCOMPARE(f.storedCounty(call), after);
        QCOMPARE(f.callJudRows(), after.isEmpty() ? 0 : 1);
        QCOMPARE(f.calls().scalar(QStringLiteral("SELECT count(*) FROM Updates")).toInt(), updates);
        QVERIFY(!f.c().notFound);
    }

    // Adding by hand on the log-view screen: refused entries leave the table as it was.
    void addByHand_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        QTest::newRow("known") << "YO5ABC"
                               << "BH"
                               << "INDICATIVUL YO5ABC EXISTA DEJA IN BAZA DE DATE ! NU S-A "
                                  "INSERAT NIMIC."
                               << 1;
        QTest::newRow("no call") << "  "
                                 << "CJ"
                                 << "INTRODUCETI INDICATIVUL ! NU S-A INSERAT NIMIC." << 1;
    }
    void addByHand() {
        QFETCH(QString, call);
        QFETCH(QString, county);
        QFETCH(QString, message);
        QFETCH(int, rows);
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.known(QStringLiteral("YO5ABC"), QStringLiteral("CJ"));
        CallsignDb db(f.calls());
        const Outcome<void> added = db.addByHand(call, county);
        QCOMPARE(added.ok(), message.isEmpty());
        QCOMPARE(added.error(), message);
        QCOMPARE(f.callJudRows(), rows);
        QCOMPARE(f.storedCounty(QStringLiteral("YO5ABC")), QStringLiteral("CJ"));
        if (message.isEmpty())
            QCOMPARE(f.storedCounty(QStringLiteral("YO5XYZ")), QStringLiteral("CJ"));
    }
};

QTEST_GUILESS_MAIN(LookupTest)
#include "LookupTest.moc"
