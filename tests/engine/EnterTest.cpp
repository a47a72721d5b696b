#include "EngineFixture.h"
#include "LogRows.h"

// Logging a contact: the row written, the running labels, the next code and the totals.
class EnterTest : public QObject {
    Q_OBJECT

    // A contact in hand as the screen has filled it after the lookup.
    static void typeContact(EngineFixture& f, const QString& call, const QString& county,
                            const QString& code) {
        f.c().callsign = call;
        f.engine->lookUpCallsign();
        f.engine->countyChanged(county);
        f.c().codRcvd = code;
        f.engine->checkDuplicate();
    }

private slots:
    void writesTheRowTheRulesGive_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("offLine");
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QString>("row");
        QTest::newRow("CampNatUS 1B CW") << "CampNatUS" << 2 << "CW" << false << ""
                                         << "YO5ABC|01.03.26|12:05|2|599 7 PH|599 5 CJ|CW|CJ|CJ|2";
        QTest::newRow("club contest SSB")
            << "CpIndep" << 1 << "SSB" << false << ""
            << "YO5ABC|01.03.26|12:05|1|59 001 PH|59 5 CJ|SSB|CJ|CJ|2";
        QTest::newRow("zodiac: no codes") << "CpPitesti" << 3 << "CW" << false << ""
                                          << "YO5ABC|01.03.26|12:05|3|599 PH|599 CJ|CW|CJ|  |6";
        QTest::newRow("off-line, four-digit year")
            << "CampNatUS" << 4 << "SSB" << true << "28.02.2026"
            << "YO5ABC|28.02.26|23:59|4|59 7 PH|59 5 CJ|SSB|CJ|CJ|2";
    }

    void writesTheRowTheRulesGive() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(bool, offLine);
        QFETCH(QString, typedDate);
        QFETCH(QString, row);

        EngineFixture f(contest, mode, stage);
        QVERIFY(f.ok());
        f.app.settings.utcOffset = UtcOffset::typed(QStringLiteral("2")); // clock 14:05 local
        f.app.startCode = 7;
        f.app.offLineLog = offLine;
        f.engine->ownStationData();
        typeContact(f, QStringLiteral("yo5abc "), QStringLiteral("CJ"), QStringLiteral("5"));
        if (offLine) {
            f.c().date = typedDate;
            f.c().utc = QStringLiteral("23:59");
        }
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::Logged);
        QCOMPARE(logRows(f.log()), QStringList{row});
        QCOMPARE(f.c().date, offLine ? typedDate : QString()); // an off-line log keeps its date
    }

    void advancesLabelsAndTotals() {
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), 3);
        QVERIFY(f.ok());
        f.engine->ownStationData();
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
            const EnterResult r = f.engine->logContact();
            QCOMPARE(r.status,
                     f.c().dupe ? EnterResult::Status::Duplicate : EnterResult::Status::Logged);
            QCOMPARE(f.engine->labels().qsos, s.qso);
            QCOMPARE(f.engine->labels().points, qint64(s.pkt));
            QCOMPARE(f.engine->labels().multipliers, s.mlt);
            QCOMPARE(f.app.totals[2].qsos, s.qso);
            QCOMPARE(f.app.totals[2].points, qint64(s.pkt));
            QCOMPARE(f.app.totals[2].multipliers, s.mlt);
        }
    }

    void entryClearedForTheNext() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        f.engine->ownStationData();
        typeContact(f, QStringLiteral("YO5ABC"), QStringLiteral("CJ"), QStringLiteral("5"));
        QVERIFY(f.c().newMult);
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.greyLabel, QStringLiteral("CJ"));
        QCOMPARE(f.c().callsign, QStringLiteral("YO"));
        QVERIFY(f.c().judRcvd.isEmpty());
        QVERIFY(f.c().codRcvd.isEmpty());
        QVERIFY(f.c().date.isEmpty());
        QVERIFY(!f.c().newMult);
        QCOMPARE(f.c().codSent, QStringLiteral("5")); // the code received is sent next
        QCOMPARE(f.engine->labels().sentCode, QStringLiteral("5"));
        QCOMPARE(f.engine->lastLogged(), QStringLiteral("YO5ABC 599 0 PH"));
    }

    void nextSerial_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("next");
        auto row = [](const char* name, const char* code, const char* next) {
            QTest::newRow(name) << code << next;
        };
        row("0", "000", "001");
        row("9", "009", "010");
        row("99", "099", "100");
        row("999", "999", "1000");
    }

    void nextSerial() {
        QFETCH(QString, code);
        QFETCH(QString, next);
        QCOMPARE(ContactEngine::nextSerial(code), next);
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
        const EnterResult r = f.engine->logContact();
        QCOMPARE(int(r.status), status);
        QCOMPARE(r.message, message);
        QCOMPARE(f.log().scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 1);
    }

    void failedInsertIsReportedAndClearsNothing() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        QVERIFY(f.ok());
        typeContact(f, QStringLiteral("YO5ABC"), QStringLiteral("CJ"), QStringLiteral("5"));
        QVERIFY(f.log().exec(QStringLiteral("DROP TABLE LogGen")));
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::InsertFailed);
        QVERIFY(r.message.startsWith(QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG !")));
        QCOMPARE(f.c().callsign, QStringLiteral("YO5ABC"));
        QCOMPARE(f.c().judRcvd, QStringLiteral("CJ"));
        QCOMPARE(f.engine->labels().qsos, 0);
        QCOMPARE(f.app.totals[0].qsos, 0);
        QCOMPARE(f.callJudRows(), 0);
    }

    // The results frame: the current stage first, then the others in order.
    void resultsFrameOfStage2A() {
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), 3);
        QVERIFY(f.ok());
        // Stage n holds n contacts of 999 points (the most a contact scores), one with a
        // multiplier, and one stored duplicate.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 0; i < s; ++i)
                f.logged(QStringLiteral("YO5A%1").arg(i), s, QStringLiteral("CW"),
                         QStringLiteral("10:00"),
                         i == 0 ? QStringLiteral("CJ") : QStringLiteral("  "),
                         QStringLiteral("999"));
            f.logged(QStringLiteral("YO5DUP"), s, QStringLiteral("CW"), QStringLiteral("10:00"),
                     QStringLiteral(" "), QStringLiteral(" 0"));
        }
        QVERIFY(f.engine->recountTotals());
        QStringList shown;
        for (const ResultRow& r : f.engine->resultRows())
            shown << QStringList{r.band, r.qso, r.mlt, r.pkt}.join(u' ');
        QCOMPARE(shown, (QStringList{"2A 4 1 2997", "1A 2 1 999", "1B 3 1 1998", "2B 5 1 3996"}));
        QCOMPARE(f.engine->labels().points, qint64(2997));
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
        QVERIFY(f.engine->recountTotals());
        const auto kept = f.app.totals;
        // A log made before the kept totals: no table, no triggers, counted row by row.
        for (const char* drop :
             {"DROP TRIGGER LogGenTotalsInsert", "DROP TRIGGER LogGenTotalsDelete",
              "DROP TRIGGER LogGenTotalsUpdate", "DROP TABLE LogTotals"})
            QVERIFY(f.log().exec(QString::fromLatin1(drop)));
        QVERIFY(f.engine->recountTotals());
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(kept[s].qsos, f.app.totals[s].qsos);
            QCOMPARE(kept[s].multipliers, f.app.totals[s].multipliers);
            QCOMPARE(kept[s].points, f.app.totals[s].points);
        }
        QCOMPARE(f.app.totals[1].qsos, 4);
        QCOMPARE(f.app.totals[1].multipliers, 2);
    }
};

QTEST_GUILESS_MAIN(EnterTest)
#include "EnterTest.moc"
