#include "EngineFixture.h"
#include "LogRows.h"

class MultiplierTest : public QObject {
    Q_OBJECT
private slots:
    void multiplierRules_data() {
        // contest, stage, multiplier already logged in the stage, call, county, 0/1 for a
        // contact in the other mode, the multiplier written ("-" for none)
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("empty county", "CampNatUS 1 - YO5A - 0 -");
        row("special always", "LMAYO 1 NY YO5A NY 1 NY");
        row("special other mode", "CpBraila 2 - YO4A BR 1 -");
        row("special station other mode", "Cp1Dec 1 - YO1D CJ 1 -");
        row("special after its last stage", "Valdora 2 BT YO8A BT 0 -");
        row("apostrophe", "CampNatUS 1 C'J YO5A C'J 0 -");
    }
    void multiplierRules() {
        QFETCH(QString, fields);
        const QStringList f = fieldsOf(fields);
        QCOMPARE(f.size(), 7);
        const int stage = f[1].toInt();
        EngineFixture e(f[0], QStringLiteral("CW"), stage);
        if (!f[2].isEmpty())
            e.logged(QStringLiteral("YO9ZZZ"), stage, QStringLiteral("CW"), QStringLiteral("10:00"),
                     f[2]);
        e.logged(QStringLiteral("YO9ZZY"), stage == 1 ? 2 : 1, QStringLiteral("CW"),
                 QStringLiteral("10:00"), f[4]); // the same multiplier in another stage
        e.c().callsign = f[3];
        e.c().countyReceived = f[4];
        e.c().proposedCounty = f[4];
        e.c().otherMode = f[5] == u'1';
        const bool neu = *e.engine->rules().checkMultiplier();
        QCOMPARE(e.c().mult, f[6].isEmpty() ? QStringLiteral("  ") : f[6]);
        QCOMPARE(neu, !f[6].isEmpty());
        QCOMPARE(e.c().newMult, neu);
    }

    // The column derived from the contacts of a stage, whatever was stored before: rows as
    // "call mode county code", the Mult each holds afterwards ("-" for none).
    void columnDerivedFromTheLog_data() {
        QTest::addColumn<QString>("contest");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("mults");
        auto row = [](const char* name, const char* contest, const char* rows, const char* mults) {
            QTest::newRow(name) << contest << rows << mults;
        };
        row("earliest holds", "CampNatUS", "YO5A CW CJ 1/YO5B CW CJ 2/YO5C CW MS 3", "CJ - MS");
        row("special always", "LMAYO", "YO5A CW NY 1/YO5B CW NY 2", "NY NY");
        row("special once per mode", "CpTeleorman", "YO4A CW TR 1/YO4A SSB TR 2/YO4B SSB TR 3",
            "TR - TR");
        row("own county", "CpTimis", "YO9A CW PH 1/YO5B CW PH 2/YO5C CW CJ 3", "- - CJ");
        row("young, then grown", "CpElevi", "YO5A CW CJ 112/YO5B CW MS 119", "ELV MS");
        row("young in the other mode", "CpElevi", "YO5A CW CJ 112/YO5A SSB CJ 112", "ELV CJ");
        row("new station code", "Ardel", "YO5A CW CJ 1/YO5B CW CJ 000", "CJ YL");
    }
    void columnDerivedFromTheLog() {
        QFETCH(QString, contest);
        QFETCH(QString, rows);
        QFETCH(QString, mults);
        EngineFixture e(contest);
        for (const QString& r : rows.split(u'/')) {
            const QStringList w = r.split(u' ');
            QVERIFY(e.log().exec(
                QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                               "Mult, Pct) VALUES (?, '01.03.26', '10:00', '1', '599 001 PH', ?, "
                               "?, ?, 'XX', '2')"),
                {w[0], QStringLiteral("599 %1 %2").arg(w[3], w[2]), w[1], w[2]}));
        }
        QVERIFY(e.engine->store().deriveMultipliers());
        QStringList stored;
        for (const QString& r : logRows(e.log()))
            stored << (r.section(u'|', 8, 8).trimmed().isEmpty() ? QStringLiteral("-")
                                                                 : r.section(u'|', 8, 8));
        QCOMPARE(stored.join(u' '), mults);
    }
};

QTEST_GUILESS_MAIN(MultiplierTest)
#include "MultiplierTest.moc"
