#include "EngineFixture.h"

// Logging a contact: what is refused, a log that fails, and the totals.
class EnterTest : public QObject {
    Q_OBJECT

private slots:
    void failedInsertIsReportedAndClearsNothing() {
        EngineFixture f("CampNatUS");
        f.typeContact("YO5ABC", "CJ");
        QVERIFY(f.log().exec("DROP TABLE LogGen"));
        const EnterResult r = f.engine->logContact();
        QCOMPARE(r.status, EnterResult::Status::InsertFailed);
        QVERIFY(r.message.startsWith("CONTACTUL NU A FOST SCRIS IN LOG !"));
        QCOMPARE(f.c().callsign, "YO5ABC");
        QCOMPARE(f.c().countyReceived, "CJ");
        QCOMPARE(f.engine->totals().resultRows()[0].qso, "0");
        QCOMPARE(f.callJudRows(), 0);
    }

    // A log that cannot be read is said so, never taken for a log without the contact.
    void unreadableLogIsReported_data() {
        QTest::addColumn<int>("lookup");
        QTest::newRow("duplicate") << 0;
        QTest::newRow("multiplier") << 1;
        QTest::newRow("newest contact") << 2;
        QTest::newRow("contact by ID") << 3;
    }
    void unreadableLogIsReported() {
        QFETCH(int, lookup);
        EngineFixture f("CampNatUS");
        f.typeContact("YO5ABC", "CJ");
        QVERIFY(f.log().exec("DROP TABLE LogGen"));
        ContactEngine& e = *f.engine;
        const QString error = lookup == 0   ? e.rules().checkDuplicate().error
                              : lookup == 1 ? e.rules().checkMultiplier().error()
                              : lookup == 2 ? e.store().sentCodeAfterLast().error()
                                            : e.store().storedContact(1).error();
        QVERIFY2(error.startsWith("LOGUL NU POATE FI CITIT: "), qPrintable(error));
    }

    // The kept totals follow every change of the log, as a count row by row finds them; the
    // results frame shows the current stage first, then the others in order.
    void totalsAndResultsFrame() {
        EngineFixture f("CampNatUS", "CW", 3);
        // Stage n holds n contacts of 999 points (the most a contact scores), one with a
        // multiplier, a stored duplicate, and a contact changed or deleted afterwards.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 0; i < s; ++i)
                f.logged(QStringLiteral("YO5A%1").arg(i), s, "CW", "10:00", i ? "  " : "CJ", "999");
            f.logged("YO5DUP", s, "CW", "10:00", " ", " 0");
            f.logged(QStringLiteral("YO5X%1").arg(s), s, "CW", "10:00", "AB", "7");
        }
        QVERIFY(f.log().exec("DELETE FROM LogGen WHERE Callsign = 'YO5X1'"));
        QVERIFY(f.log().exec(QStringLiteral(
            "UPDATE LogGen SET Etp = '4', Mult = '  ', Pct = '1' WHERE Callsign = 'YO5X3'")));
        QVERIFY(f.log().exec("UPDATE LogGen SET Pct = '9' WHERE Callsign = 'YO5X2'"));
        const QStringList expected{"2A 4 1 2997", "1A 2 1 999", "1B 4 2 2007", "2B 7 2 4004"};
        auto shown = [&f] {
            QStringList rows;
            for (const ResultRow& r : f.engine->totals().resultRows())
                rows << QStringList{r.band, r.qso, r.mlt, r.pkt}.join(u' ');
            return rows;
        };
        QVERIFY(f.engine->totals().recount());
        QCOMPARE(shown(), expected);
        // A log made before the kept totals: no table, no triggers, counted row by row.
        for (const char* drop :
             {"DROP TRIGGER LogGenTotalsInsert", "DROP TRIGGER LogGenTotalsDelete",
              "DROP TRIGGER LogGenTotalsUpdate", "DROP TABLE LogTotals"})
            QVERIFY(f.log().exec(QString::fromLatin1(drop)));
        QVERIFY(f.engine->totals().recount());
        QCOMPARE(shown(), expected);
    }
};

QTEST_GUILESS_MAIN(EnterTest)
#include "EnterTest.moc"
