#include "refdata/CallsignDb.h"

std::optional<QString> CallsignDb::lookup(const QString& callsign) {
    auto q = m_db.select(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = ?"), {callsign});
    if (!q || !q->next())
        return std::nullopt;
    return q->value(0).toString();
}

bool CallsignDb::InCall(const QString& callsign, const QString& county) {
    return m_db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)"),
                     {callsign, county});
}

bool CallsignDb::ModifJud(const QString& callsign, const QString& county) {
    return m_db.exec(QStringLiteral("UPDATE CallJud SET Jud = ? WHERE Call = ?"),
                     {county, callsign});
}
