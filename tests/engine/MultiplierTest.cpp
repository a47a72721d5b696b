#include "EngineFixture.h"
#include "ExpectedFile.h"
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

// A stored row "CALL MODE COUNTY CODE", or a step: "+CALL COUNTY" logged here, "-CALL" deleted,
// "=CALL COUNTY" edited by another program, "*CALL COUNTY" logged by another program, which
// derived its multiplier itself, "S" a stage button.
bool apply(EngineFixture& e, const QString& step) {
    const QStringList w = step.mid(1).split(u' ');
    const QString byCall = QStringLiteral(" WHERE Callsign = '%1'").arg(w[0]);
    if (step[0] == u'+')
        return e.logContact(w[0], w[1]) > 0;
    if (step[0] == u'-')
        return LogStore(e.log())
            .remove(e.log().scalar(QStringLiteral("SELECT ID FROM LogGen") + byCall).toLongLong())
            .ok();
    if (step[0] == u'=')
        return e.log().exec(QStringLiteral("UPDATE LogGen SET Jud = ?") + byCall, {w[1]}).ok();
    if (step[0] == u'*') {
        Database other(QStringLiteral("OtherProgram"));
        return other.open(e.log().path(), QStringLiteral("LogGen")).ok() &&
               other.inTransaction([&] {
                   const Outcome<void> added = other.exec(
                       QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                      "Rcvd, Md, Jud, Mult, Pct) VALUES (?, '01.03.26', '10:00', "
                                      "'1', '599 001 PH', '599 001 ' || ?, 'CW', ?, ?, '2')"),
                       {w[0], w[1], w[1], w[1]});
                   return added ? other.exec(QStringLiteral("DELETE FROM MultPending")) : added;
               });
    }
    if (step == u'S')
        return e.engine->store().deriveMultipliers().ok();
    const QStringList f = step.split(u' ');
    return e.log().exec(
               QStringLiteral(
                   "INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, "
                   "Pct) VALUES (?, '01.03.26', '10:00', '1', '599 001 PH', ?, ?, ?, 'XX', '2')"),
               {f[0], QStringLiteral("599 %1 %2").arg(f[3], f[2]), f[1], f[2]}) &&
           e.engine->store().deriveMultipliers();
}
} // namespace

class MultiplierTest : public QObject {
    Q_OBJECT
private slots:
    // The column derived from the contacts of a stage, whatever was stored before; and following
    // every change, whoever makes it: the program's contacts at once, the log view's deletes and
    // another program's edits by the next contact or stage button.
    void columnDerivedFromTheLog() {
        QVERIFY(answersAsExpected("data/tables/multipliers.txt", [](const QString& row) {
            const QString question = row.section(QStringLiteral(": "), -1);
            EngineFixture e(question.section(u' ', 0, 0));
            for (const QString& step : question.section(u' ', 1).split(u'/'))
                if (!apply(e, step))
                    return QStringLiteral("not done: ") + step;
            return storedMults(e.log());
        }));
    }
};

QTEST_GUILESS_MAIN(MultiplierTest)
#include "MultiplierTest.moc"
