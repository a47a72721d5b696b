#include "store/CallsignDb.h"

#include "base/ErrorReason.h"
#include "rules/CountyTables.h"

#include <QSqlError>

bool CallsignDb::neverLearnt(const QString& county) {
    static const QStringList list =
        QStringLiteral("NY CF RVR TRS TLC XA XB XC XD XE XF").split(u' ');
    return county.isEmpty() || list.contains(county);
}

bool CallsignDb::learnable(const QString& county) {
    return !neverLearnt(county) && (CountyTables::counties().contains(county) ||
                                    !CountyTables::sectorLogCode(county).isEmpty());
}

std::optional<QString> CallsignDb::lookup(const QString& callsign) {
    std::optional<QString> county;
    static_cast<void>(
        m_db.eachRow(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = ?"), {callsign},
                     [&county](const QSqlQuery& q) { county = q.value(0).toString(); }));
    return county;
}

std::optional<CallsignRow> CallsignDb::longestPrefix(const QString& callsign) {
    const QString call = callsign.trimmed().toUpper();
    for (qsizetype n = call.size(); n > 0; --n) {
        std::optional<CallsignRow> found;
        static_cast<void>(
            m_db.eachRow(QStringLiteral("SELECT ID, Jud FROM CallJud WHERE Call = ?"),
                         {call.left(n)}, [&found](const QSqlQuery& q) {
                             found = CallsignRow{q.value(0).toLongLong(), q.value(1).toString()};
                         }));
        if (found)
            return found;
    }
    return std::nullopt;
}

Outcome<void> CallsignDb::add(const QString& callsign, const QString& county) {
    return m_db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                     {callsign, county});
}

Outcome<void> CallsignDb::addKnown(const QString& callsign) {
    return m_db.exec(QStringLiteral("INSERT OR IGNORE INTO KnownCall (Call) VALUES (?)"),
                     {callsign});
}

Outcome<void> CallsignDb::changeCounty(const QString& callsign, const QString& county) {
    // Learning runs on every logged contact: a copy of the whole table here would stall the
    // operator's Enter. The database is copied when the program ends instead.
    return m_db.exec(QStringLiteral("UPDATE CallJud SET Jud = ? WHERE Call = ?"),
                     {county, callsign});
}

Outcome<void> CallsignDb::addByHand(const QString& typedCall, const QString& typedCounty) {
    const QString callsign = typedCall.trimmed();
    const QString county = typedCounty.trimmed();
    const QString notAdded = QStringLiteral(" NU S-A INSERAT NIMIC.");
    if (callsign.isEmpty())
        return Failure{QStringLiteral("INTRODUCETI INDICATIVUL !") + notAdded};
    if (callsign.contains(u'\'') || county.contains(u'\''))
        return Failure{QStringLiteral("INDICATIVUL SI JUDETUL NU POT CONTINE APOSTROF ( ' ) !") +
                       notAdded};
    if (lookup(callsign))
        return Failure{QStringLiteral("INDICATIVUL ") + callsign +
                       QStringLiteral(" EXISTA DEJA IN BAZA DE DATE !") + notAdded};
    if (const Outcome<void> added = add(callsign, county); !added)
        return Failure{QStringLiteral("INSERAREA IN BAZA DE DATE NU A REUSIT: ") + added.error()};
    return {};
}

Outcome<QSqlQuery> CallsignDb::sortedByCallsign() {
    // Scrollable, not forward-only: the grid's model moves back and forth through it.
    QSqlQuery q(m_db.handle());
    if (!q.exec(QStringLiteral("SELECT * FROM CallJud ORDER BY Call")))
        return Failure{QStringLiteral("BAZA DE DATE NU POATE FI CITITA: ") +
                       ErrorReason::ofSql(q.lastError())};
    return q;
}
