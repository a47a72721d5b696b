#include "EngineFixture.h"
#include "LogRows.h"
#include "store/LogStore.h"

namespace {
// The `Mult` of each contact in `ID` order, "-" for none.
QString storedMults(Database& log) {
    QStringList stored;
    for (const QString& r : logRows(log))
        stored << (r.section(u'|', 8, 8).trimmed().isEmpty() ? QStringLiteral("-")
                                                             : r.section(u'|', 8, 8));
    return stored.join(u' ');
}
} // namespace

class MultiplierTest : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(storedMults(e.log()), mults);
    }

    // The column follows every change, whoever makes it: the program's contacts at once, the
    // log view's deletes and another program's edits by the next contact or stage button. Steps:
    // "+CALL COUNTY" logged here, "-CALL" deleted in the log view, "=CALL COUNTY" edited by
    // another program, "S" a stage button.
    void columnFollowsEveryChange_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("mults");
        auto row = [](const char* name, const char* steps, const char* mults) {
            QTest::newRow(name) << steps << mults;
        };
        row("logged here", "+YO5A CJ/+YO5B CJ/+YO5C MS", "CJ - MS");
        row("deleted, stage button", "+YO5A CJ/+YO5B CJ/+YO5C MS/-YO5A/S", "CJ MS");
        row("deleted, next contact", "+YO5A CJ/+YO5B CJ/-YO5A/+YO5C CJ", "CJ -");
        row("edited elsewhere, stage button", "+YO5A CJ/+YO5B MS/=YO5A MS/S", "MS -");
    }
    void columnFollowsEveryChange() {
        QFETCH(QString, steps);
        QFETCH(QString, mults);
        EngineFixture e(QStringLiteral("CampNatUS"));
        for (const QString& step : steps.split(u'/')) {
            const QStringList w = step.mid(1).split(u' ');
            const QString byCall = QStringLiteral(" WHERE Callsign = '%1'").arg(w[0]);
            if (step[0] == u'+')
                QVERIFY(e.logContact(w[0], w[1]) > 0);
            else if (step[0] == u'-')
                QVERIFY(LogStore(e.log()).remove(
                    e.log().scalar(QStringLiteral("SELECT ID FROM LogGen") + byCall).toLongLong()));
            else if (step[0] == u'=')
                QVERIFY(e.log().exec(QStringLiteral("UPDATE LogGen SET Jud = ?") + byCall, {w[1]}));
            else
                QVERIFY(e.engine->store().deriveMultipliers());
        }
        QCOMPARE(storedMults(e.log()), mults);
    }
};

QTEST_GUILESS_MAIN(MultiplierTest)
#include "MultiplierTest.moc"
