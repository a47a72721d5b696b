#include "EngineFixture.h"
#include "LogRows.h"

// Logging a contact: the row written, the running labels, the next code and the totals.
class EnterTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheRowTheRulesGive_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QString>("row");
        auto row = [](const char* name, const char* contest, int stage, const char* mode,
                      const char* code, const char* typedDate, const char* logged) {
            QTest::newRow(name) << contest << stage << mode << code << typedDate << logged;
        };
        row("CampNatUS 1B CW", "CampNatUS", 2, "CW", "5", "",
            "YO5ABC|01.03.26|12:05|2|599 7 PH|599 5 CJ|CW|CJ|CJ|2");
        row("club contest SSB", "CpIndep", 1, "SSB", "5", "",
            "YO5ABC|01.03.26|12:05|1|59 001 PH|59 5 CJ|SSB|CJ|CJ|2");
        row("zodiac: no codes", "CpPitesti", 3, "CW", "5", "",
            "YO5ABC|01.03.26|12:05|3|599 PH|599 CJ|CW|CJ|  |6");
        row("off-line, four-digit year", "CampNatUS", 4, "SSB", "5", "28.02.2026",
            "YO5ABC|28.02.26|23:59|4|59 7 PH|59 5 CJ|SSB|CJ|CJ|2");
        // 18 is the oldest age that counts as young
        row("young in 1B", "CpElevi", 2, "SSB", "118", "",
            "YO5ABC|01.03.26|12:05|2|59 7 PH|59 118 CJ|SSB|CJ|ELV|4");
        row("grown", "CpElevi", 1, "SSB", "919", "",
            "YO5ABC|01.03.26|12:05|1|59 7 PH|59 919 CJ|SSB|CJ|CJ|4");
    }
    void writesTheRowTheRulesGive() {
        QFETCH(QString, contest);
        QFETCH(int, stage);
        QFETCH(QString, mode);
        QFETCH(QString, code);
        QFETCH(QString, typedDate); // typed on an off-line log
        const bool offLine = !typedDate.isEmpty();
        QFETCH(QString, row);
        EngineFixture f(contest, mode, stage);
        f.app.settings.utcOffset = UtcOffset::typed(QStringLiteral("2")); // clock 14:05 local
        f.app.startCode = 7;
        f.app.offLineLog = offLine;
        f.engine->ownStationData();
        f.typeContact(QStringLiteral("yo5abc "), QStringLiteral("CJ"), code);
        if (offLine) {
            f.c().date = typedDate;
            f.c().utc = QStringLiteral("23:59");
        }
        QCOMPARE(f.engine->logContact().status, EnterResult::Status::Logged);
        QCOMPARE(logRows(f.log()), QStringList{row});
        QCOMPARE(f.c().date, offLine ? typedDate : QString()); // an off-line log keeps its date
    }

    void entryClearedForTheNext() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        f.engine->ownStationData();
        f.typeContact(QStringLiteral("YO5ABC"), QStringLiteral("CJ"));
        QVERIFY(f.c().newMult);
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.greyLabel, QStringLiteral("CJ"));
        QCOMPARE(f.c().callsign, QStringLiteral("YO"));
        QVERIFY(f.c().judRcvd.isEmpty() && f.c().codRcvd.isEmpty() && f.c().date.isEmpty());
        QCOMPARE(f.c().codSent, QStringLiteral("5")); // the code received is sent next
        QCOMPARE(f.engine->labels().sentCode, QStringLiteral("5"));
        QCOMPARE(f.engine->lastLogged(), QStringLiteral("YO5ABC 599 0 PH"));
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
        f.app.settings.myCall = QStringLiteral("YO3ABC");
        f.logged(QStringLiteral("YO5OLD"), 1, QStringLiteral("CW"), QStringLiteral("10:00"));
        f.typeContact(QStringLiteral("YO5NEW"), QStringLiteral("CJ"));
        QVERIFY(!f.c().dupe);
        f.c().callsign = call;
        const EnterResult r = f.engine->logContact();
        QCOMPARE(int(r.status), status);
        QCOMPARE(r.message, message);
        QCOMPARE(logRows(f.log()).size(), 1);
    }

    void failedInsertIsReportedAndClearsNothing() {
        EngineFixture f(QStringLiteral("CampNatUS"));
        f.typeContact(QStringLiteral("YO5ABC"), QStringLiteral("CJ"));
        QVERIFY(f.log().exec(QStringLiteral("DROP TABLE LogGen")));
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::InsertFailed);
        QVERIFY(r.message.startsWith(QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG !")));
        QCOMPARE(f.c().callsign, QStringLiteral("YO5ABC"));
        QCOMPARE(f.c().judRcvd, QStringLiteral("CJ"));
        QCOMPARE(f.engine->labels().qsos, 0);
        QCOMPARE(f.callJudRows(), 0);
    }

    // The kept totals follow every change of the log, as a count row by row finds them; the
    // results frame shows the current stage first, then the others in order.
    void totalsAndResultsFrame() {
        EngineFixture f(QStringLiteral("CampNatUS"), QStringLiteral("CW"), 3);
        // Stage n holds n contacts of 999 points (the most a contact scores), one with a
        // multiplier, a stored duplicate, and a contact changed or deleted afterwards.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 0; i < s; ++i)
                f.logged(QStringLiteral("YO5A%1").arg(i), s, QStringLiteral("CW"),
                         QStringLiteral("10:00"), i ? QStringLiteral("  ") : QStringLiteral("CJ"),
                         QStringLiteral("999"));
            f.logged(QStringLiteral("YO5DUP"), s, QStringLiteral("CW"), QStringLiteral("10:00"),
                     QStringLiteral(" "), QStringLiteral(" 0"));
            f.logged(QStringLiteral("YO5X%1").arg(s), s, QStringLiteral("CW"),
                     QStringLiteral("10:00"), QStringLiteral("AB"), QStringLiteral("7"));
        }
        QVERIFY(f.log().exec(QStringLiteral("DELETE FROM LogGen WHERE Callsign = 'YO5X1'")));
        QVERIFY(f.log().exec(QStringLiteral(
            "UPDATE LogGen SET Etp = '4', Mult = '  ', Pct = '1' WHERE Callsign = 'YO5X3'")));
        QVERIFY(
            f.log().exec(QStringLiteral("UPDATE LogGen SET Pct = '9' WHERE Callsign = 'YO5X2'")));
        const QStringList expected{"2A 4 1 2997", "1A 2 1 999", "1B 4 2 2007", "2B 7 2 4004"};
        auto shown = [&f] {
            QStringList rows;
            for (const ResultRow& r : f.engine->resultRows())
                rows << QStringList{r.band, r.qso, r.mlt, r.pkt}.join(u' ');
            return rows;
        };
        QVERIFY(f.engine->recountTotals());
        QCOMPARE(shown(), expected);
        QCOMPARE(f.engine->labels().points, qint64(2997));
        // A log made before the kept totals: no table, no triggers, counted row by row.
        for (const char* drop :
             {"DROP TRIGGER LogGenTotalsInsert", "DROP TRIGGER LogGenTotalsDelete",
              "DROP TRIGGER LogGenTotalsUpdate", "DROP TABLE LogTotals"})
            QVERIFY(f.log().exec(QString::fromLatin1(drop)));
        QVERIFY(f.engine->recountTotals());
        QCOMPARE(shown(), expected);
    }
};

QTEST_GUILESS_MAIN(EnterTest)
#include "EnterTest.moc"
