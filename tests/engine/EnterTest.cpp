#include "EngineFixture.h"

#include <QSqlRecord>

// Logging a contact: the row written, the running labels, the next code and the totals.
class EnterTest : public QObject {
    Q_OBJECT

    static QStringList storedRow(EngineFixture& f, qint64 id) {
        auto q = f.log().select(QStringLiteral("SELECT * FROM LogGen WHERE ID = ?"), {id});
        if (!q || !q->next())
            return {};
        QStringList values;
        for (int i = 0; i < q->record().count(); ++i)
            values << q->value(i).toString();
        return values;
    }

    // A contact in hand as the screen has filled it after the lookup.
    static void typeContact(EngineFixture& f, const QString& call, const QString& county,
                            const QString& code) {
        f.c().callsign = call;
        f.engine->IndicInfo();
        f.engine->countyChanged(county);
        f.c().codRcvd = code;
        f.engine->IndicInfoDubl();
    }

private slots:
    void writesTheRowTheRulesGive_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("offLine");
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QStringList>("row"); // every column but ID

        QTest::newRow("CampNatUS 1B CW")
            << "CampNatUS" << 2 << "CW" << false << ""
            << QStringList{"YO5ABC",   "01.03.26", "12:05", "2",  "599 7 PH",
                           "599 5 CJ", "CW",       "CJ",    "CJ", "2"};
        QTest::newRow("club contest SSB")
            << "CpIndep" << 1 << "SSB" << false << ""
            << QStringList{"YO5ABC",  "01.03.26", "12:05", "1",  "59 001 PH",
                           "59 5 CJ", "SSB",      "CJ",    "CJ", "2"};
        QTest::newRow("zodiac: no codes")
            << "CpPitesti" << 3 << "CW" << false << ""
            << QStringList{"YO5ABC", "01.03.26", "12:05", "3",  "599 PH",
                           "599 CJ", "CW",       "CJ",    "  ", "6"};
        QTest::newRow("off-line, four-digit year")
            << "CampNatUS" << 4 << "SSB" << true << "28.02.2026"
            << QStringList{"YO5ABC",  "28.02.26", "23:59", "4",  "59 7 PH",
                           "59 5 CJ", "SSB",      "CJ",    "CJ", "2"};
    }

    void writesTheRowTheRulesGive() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(bool, offLine);
        QFETCH(QString, typedDate);
        QFETCH(QStringList, row);

        EngineFixture f(contest, mode, stage);
        QVERIFY(f.ok());
        f.app.settings.utcOffset = UtcOffset::typed(QStringLiteral("2")); // clock 14:05 local
        f.app.startCode = 7;
        f.app.offLineLog = offLine;
        f.engine->ScrMyDat();
        typeContact(f, QStringLiteral("yo5abc "), QStringLiteral("CJ"), QStringLiteral("5"));
        if (offLine) {
            f.c().date = typedDate;
            f.c().utc = QStringLiteral("23:59");
        }
        const EnterResult r = f.engine->Enter();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QCOMPARE(storedRow(f, r.id).mid(1), row);
        QCOMPARE(f.c().date, offLine ? typedDate : QString()); // an off-line log keeps its date
    }

    void advancesLabelsAndTotals() {
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), 3);
        QVERIFY(f.ok());
        f.engine->ScrMyDat();
        struct Step {
            const char* call;
            const char* county;
            int qso;
            int pkt;
            int mlt;
        };
        const Step steps[] = {{"YO5AAA", "CJ", 1, 2, 1},
                              {"YO5AAB", "CJ", 2, 4, 1}, // "  ": no multiplier
                              {"YO6AAA", "BV", 3, 6, 2},
                              {"YO6AAA", "BV", 3, 6, 2}}; // duplicate: refused, nothing counts
        for (const Step& s : steps) {
            typeContact(f, QString::fromLatin1(s.call), QString::fromLatin1(s.county),
                        QStringLiteral("5"));
            const EnterResult r = f.engine->Enter();
            QCOMPARE(r.status,
                     f.c().dupe ? EnterResult::Status::Duplicate : EnterResult::Status::Logged);
            QCOMPARE(f.engine->labels().LblQSO, s.qso);
            QCOMPARE(f.engine->labels().LblPkt, qint64(s.pkt));
            QCOMPARE(f.engine->labels().LblMlt, s.mlt);
            QCOMPARE(f.app.totals[2].qsos, s.qso);
            QCOMPARE(f.app.totals[2].points, qint64(s.pkt));
            QCOMPARE(f.app.totals[2].multipliers, s.mlt);
        }
        QVERIFY(f.engine->Summe());
        QCOMPARE(f.app.totals[2].qsos, 3);
        QCOMPARE(f.app.totals[2].points, qint64(6));
        QCOMPARE(f.app.totals[2].multipliers, 2);
    }

    void entryClearedForTheNext() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.engine->ScrMyDat();
        typeContact(f, QStringLiteral("YO5ABC"), QStringLiteral("CJ"), QStringLiteral("5"));
        QVERIFY(f.c().newMult);
        const EnterResult r = f.engine->Enter();
        QCOMPARE(r.greyLabel, QStringLiteral("CJ"));
        QCOMPARE(f.c().callsign, QStringLiteral("YO"));
        QVERIFY(f.c().judRcvd.isEmpty());
        QVERIFY(f.c().codRcvd.isEmpty());
        QVERIFY(f.c().date.isEmpty());
        QVERIFY(!f.c().newMult);
        QCOMPARE(f.c().codSent, QStringLiteral("5")); // the code received is sent next
        QCOMPARE(f.engine->labels().LblContrInit, QStringLiteral("5"));
        QCOMPARE(f.engine->lastLogged(), QStringLiteral("YO5ABC 599 0 PH"));
    }

    void nextSerial_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("next");
        auto row = [](const char* name, const char* code, const char* next) {
            QTest::newRow(name) << code << next;
        };
        row("0", "000", "001");
        row("1", "001", "002");
        row("8", "008", "009");
        row("9", "009", "010");
        row("10", "010", "011");
        row("98", "098", "099");
        row("99", "099", "100");
        row("100", "100", "101");
        row("999", "999", "1000");
    }

    void nextSerial() {
        QFETCH(QString, code);
        QFETCH(QString, next);
        QCOMPARE(ContactEngine::nextSerial(code), next);
    }

    void serialRunsThroughEnter() {
        EngineFixture f(QStringLiteral("CpTeleorman"));
        QVERIFY(f.ok());
        QStringList sent;
        for (int i = 0; i < 101; ++i) {
            typeContact(f, QStringLiteral("YO5A%1").arg(i), QStringLiteral("CJ"),
                        QStringLiteral("001"));
            sent << f.c().codSent;
            QCOMPARE(f.engine->Enter().status, EnterResult::Status::Logged);
        }
        QCOMPARE(sent.first(), QStringLiteral("001"));
        QCOMPARE(sent[8], QStringLiteral("009"));
        QCOMPARE(sent[9], QStringLiteral("010"));
        QCOMPARE(sent[98], QStringLiteral("099"));
        QCOMPARE(sent[99], QStringLiteral("100"));
        QCOMPARE(sent[100], QStringLiteral("101"));
    }

    // Enter judges the fields as they stand, whatever was accepted before.
    void refusesWhatMayNotBeStored_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, const char* call, EnterResult::Status status,
                      const char* message) {
            QTest::newRow(name) << call << int(status) << message;
        };
        row("blank", "  ", EnterResult::Status::EmptyCall, "Introducere eronata !");
        row("only the prefill", "YO", EnterResult::Status::Incomplete, "Introducere incompleta !");
        row("own call", "yo3abc", EnterResult::Status::OwnCall, "QSO CU MINE INSUMI !");
        row("edited into a worked one", "YO5OLD", EnterResult::Status::Duplicate,
            "WARNING ! QSO DUPE !");
    }
    void refusesWhatMayNotBeStored() {
        QFETCH(QString, call);
        QFETCH(int, status);
        QFETCH(QString, message);
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.app.settings.myCall = QStringLiteral("YO3ABC");
        f.logged(QStringLiteral("YO5OLD"), 1, QStringLiteral("CW"), QStringLiteral("10:00"));
        typeContact(f, QStringLiteral("YO5NEW"), QStringLiteral("CJ"), QStringLiteral("5"));
        QVERIFY(!f.c().dupe);
        f.c().callsign = call;
        const EnterResult r = f.engine->Enter();
        QCOMPARE(int(r.status), status);
        QCOMPARE(r.message, message);
        QCOMPARE(f.log().scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 1);
    }

    void failedInsertIsReportedAndClearsNothing() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        typeContact(f, QStringLiteral("YO5ABC"), QStringLiteral("CJ"), QStringLiteral("5"));
        QVERIFY(f.log().exec(QStringLiteral("DROP TABLE LogGen")));
        const EnterResult r = f.engine->Enter();
        QCOMPARE(r.status, EnterResult::Status::InsertFailed);
        QVERIFY(r.message.startsWith(QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG !")));
        QCOMPARE(f.c().callsign, QStringLiteral("YO5ABC"));
        QCOMPARE(f.c().judRcvd, QStringLiteral("CJ"));
        QCOMPARE(f.engine->labels().LblQSO, 0);
        QCOMPARE(f.app.totals[0].qsos, 0);
        QCOMPARE(f.callJudRows(), 0);
    }

    void apostropheIsStoredFoundAndCounted() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        typeContact(f, QStringLiteral("YO5'X"), QStringLiteral("C'J"), QStringLiteral("5"));
        QCOMPARE(f.engine->Enter().status, EnterResult::Status::Logged);
        QCOMPARE(f.storedCounty(QStringLiteral("YO5'X")), QStringLiteral("C'J"));
        f.c().callsign = QStringLiteral("YO5'X");
        QVERIFY(f.engine->IndicInfoDubl().dupe);
        QVERIFY(f.engine->Summe());
        QCOMPARE(f.app.totals[0].multipliers, 1);
    }

    void partialSearchEscapesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rows");
        auto row = [](const char* name, const char* typed, int rows) {
            QTest::newRow(name) << typed << rows;
        };
        row("prefix", "YO5", 3);
        row("percent is a character", "YO5%", 1);
        row("underscore is a character", "YO5_", 0);
        row("apostrophe", "YO5'", 1);
        row("everything", "", 5);
    }

    void partialSearchEscapesNothing() {
        QFETCH(QString, typed);
        QFETCH(int, rows);
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        for (const char* call : {"YO5ABC", "YO5%B", "YO5'X", "YO6ABC", "YO4"})
            f.logged(QString::fromLatin1(call), 1, QStringLiteral("CW"), QStringLiteral("10:00"));
        LogStore store(f.log());
        QCOMPARE(store.callsignPage(typed, typed, -1, 100)->size(), rows);
    }

    void summeAndFrame5_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QStringList>("bands");
        QTest::newRow("1A") << 1 << QStringList{"1A", "1B", "2A", "2B"};
        QTest::newRow("1B") << 2 << QStringList{"1B", "1A", "2A", "2B"};
        QTest::newRow("2A") << 3 << QStringList{"2A", "1A", "1B", "2B"};
        QTest::newRow("2B") << 4 << QStringList{"2B", "1A", "1B", "2A"};
    }
    void summeAndFrame5() {
        QFETCH(int, stage);
        QFETCH(QStringList, bands);
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), stage);
        QVERIFY(f.ok());
        // Stage n holds n contacts of 999 points (the most a contact scores), one with a
        // multiplier, and one stored duplicate and one row without multiplier.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 0; i < s; ++i)
                f.logged(QStringLiteral("YO5A%1").arg(i), s, QStringLiteral("CW"),
                         QStringLiteral("10:00"),
                         i == 0 ? QStringLiteral("CJ") : QStringLiteral("  "),
                         QStringLiteral("999"));
            f.logged(QStringLiteral("YO5DUP"), s, QStringLiteral("CW"), QStringLiteral("10:00"),
                     QStringLiteral(" "), QStringLiteral(" 0"));
        }
        f.logged(QStringLiteral("YO5X"), 7, QStringLiteral("CW"), QStringLiteral("10:00"),
                 QStringLiteral("AB"), QStringLiteral("5")); // not a stage: skipped
        QVERIFY(f.engine->Summe());
        const auto rows = f.engine->Frame5();
        for (int i = 0; i < 4; ++i) {
            const int s = bands[i] == QStringLiteral("1A")   ? 1
                          : bands[i] == QStringLiteral("1B") ? 2
                          : bands[i] == QStringLiteral("2A") ? 3
                                                             : 4;
            QCOMPARE(rows[i].band, bands[i]);
            QCOMPARE(rows[i].qso, QString::number(s + 1));
            QCOMPARE(rows[i].mlt, QStringLiteral("1"));
            QCOMPARE(rows[i].pkt, QString::number(999 * s));
        }
        QCOMPARE(f.engine->labels().LblPkt, qint64(999) * stage);
    }

    void keptTotalsFollowEveryChangeOfTheLog() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        for (int i = 0; i < 12; ++i)
            f.logged(QStringLiteral("YO5A%1").arg(i), 1 + i % 4, QStringLiteral("CW"),
                     QStringLiteral("10:00"), i % 3 ? QStringLiteral("  ") : QStringLiteral("CJ"),
                     QString::number(i));
        QVERIFY(f.log().exec(QStringLiteral("DELETE FROM LogGen WHERE Callsign = 'YO5A3'")));
        QVERIFY(f.log().exec(
            QStringLiteral("UPDATE LogGen SET Etp = '2', Mult = 'AB', Pct = ' 0' WHERE Callsign = "
                           "'YO5A4'")));
        QVERIFY(
            f.log().exec(QStringLiteral("UPDATE LogGen SET Pct = '7' WHERE Callsign = 'YO5A5'")));
        QVERIFY(f.engine->Summe());
        const auto kept = f.app.totals;
        // A log made before the kept totals: no table, no triggers, counted row by row.
        for (const char* drop :
             {"DROP TRIGGER LogGenTotalsInsert", "DROP TRIGGER LogGenTotalsDelete",
              "DROP TRIGGER LogGenTotalsUpdate", "DROP TABLE LogTotals"})
            QVERIFY(f.log().exec(QString::fromLatin1(drop)));
        QVERIFY(f.engine->Summe());
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(kept[s].qsos, f.app.totals[s].qsos);
            QCOMPARE(kept[s].multipliers, f.app.totals[s].multipliers);
            QCOMPARE(kept[s].points, f.app.totals[s].points);
        }
        QCOMPARE(f.app.totals[1].qsos, 4);
        QCOMPARE(f.app.totals[1].multipliers, 2);
    }

    void emptyLogGivesZeros() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        QVERIFY(f.engine->Summe());
        for (const ResultRow& r : f.engine->Frame5())
            QCOMPARE(QStringList({r.qso, r.mlt, r.pkt}), QStringList({"0", "0", "0"}));
    }

    void verifLogNamesTheFirstShortField() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.c() = QsoContact{};
        QCOMPARE(f.engine->VerifLog(), QStringLiteral("TxtIndic"));
        f.c().callsign = QStringLiteral("YO5ABC");
        f.c().rstSent = QStringLiteral("599");
        f.c().codSent = QStringLiteral("7");
        f.c().judSent = QStringLiteral("PH");
        f.c().rstRcvd = QStringLiteral("599");
        QCOMPARE(f.engine->VerifLog(), QStringLiteral("TxtRSTR2"));
        f.c().codRcvd = QStringLiteral("5");
        f.c().judRcvd = QStringLiteral("CJ");
        f.c().date = QStringLiteral("01.03.2");
        QCOMPARE(f.engine->VerifLog(), QStringLiteral("TxtDate"));
        f.c().date = QStringLiteral("01.03.26");
        f.c().utc = QStringLiteral("12:05");
        QCOMPARE(f.engine->VerifLog(), QString());
    }

    // The grid pages through the log without gaps or repeats, at any size.
    void pagesCoverTheLogOnce() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        for (int i = 0; i < 7; ++i) // the same callsign twice in a row: pages part on the ID
            f.logged(QStringLiteral("YO5A%1").arg(i / 2), 1 + i % 2, QStringLiteral("CW"),
                     QStringLiteral("10:00"));
        LogStore store(f.log());
        QStringList stage;
        for (qint64 before = 0;;) {
            const auto page = store.stagePage(1, before, 2);
            QVERIFY(page);
            if (page->isEmpty())
                break;
            QStringList calls;
            for (const LogRow& r : *page)
                calls << QString::number(r.id);
            stage = calls + stage;
            before = page->first().id;
        }
        QCOMPARE(stage, (QStringList{"1", "3", "5", "7"}));
        QStringList found;
        QString afterCall = QStringLiteral("YO5A");
        qint64 afterId = -1;
        for (;;) {
            const auto page = store.callsignPage(QStringLiteral("YO5A"), afterCall, afterId, 3);
            QVERIFY(page);
            if (page->isEmpty())
                break;
            for (const LogRow& r : *page)
                found << r.callsign + u'/' + QString::number(r.id);
            afterCall = page->last().callsign;
            afterId = page->last().id;
        }
        QCOMPARE(found, (QStringList{"YO5A0/1", "YO5A0/2", "YO5A1/3", "YO5A1/4", "YO5A2/5",
                                     "YO5A2/6", "YO5A3/7"}));
    }
};

QTEST_GUILESS_MAIN(EnterTest)
#include "EnterTest.moc"
