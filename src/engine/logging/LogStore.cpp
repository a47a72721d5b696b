#include "logging/LogStore.h"

namespace {
QString etp(int stage) {
    return QString::number(stage);
}
} // namespace

SqlQuery LogStore::ViewLogB(int stage) {
    return {QStringLiteral("SELECT * FROM LogGen WHERE Etp = ? ORDER BY ID"), {etp(stage)}};
}

SqlQuery LogStore::partialSearch(const QString& beginning) {
    // A range instead of LIKE: nothing typed needs escaping, and the callsign index serves it.
    // U+10FFFF sorts after every character, so the range holds exactly the callsigns that
    // begin with `beginning`.
    const QString end = beginning + QString::fromUcs4(U"\U0010FFFF");
    return {QStringLiteral(
                "SELECT * FROM LogGen WHERE Callsign >= ? AND Callsign < ? ORDER BY Callsign"),
            {beginning, end}};
}

int LogStore::partialSearchCount(const QString& beginning) {
    const SqlQuery q = partialSearch(beginning);
    auto rows = m_db.select(q.sql, q.values);
    int n = 0;
    while (rows && rows->next())
        ++n;
    return n;
}

std::optional<QString> LogStore::firstContact(const QString& callsign, int stage,
                                              const QString& mode) {
    auto q = mode.isEmpty()
                 ? m_db.select(QStringLiteral("SELECT UTC FROM LogGen WHERE Callsign = ? AND "
                                              "Etp = ? ORDER BY ID LIMIT 1"),
                               {callsign, etp(stage)})
                 : m_db.select(QStringLiteral("SELECT UTC FROM LogGen WHERE Callsign = ? AND "
                                              "Md = ? AND Etp = ? ORDER BY ID LIMIT 1"),
                               {callsign, mode, etp(stage)});
    if (!q || !q->next())
        return std::nullopt;
    return q->value(0).toString();
}

bool LogStore::hasMult(const QString& mult, int stage) {
    return m_db.scalar(
                   QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM LogGen WHERE Mult = ? AND "
                                  "Etp = ? LIMIT 1)"),
                   {mult, etp(stage)})
               .toInt() > 0;
}

std::optional<QStringList> LogStore::stageMults(int stage) {
    auto q = m_db.select(QStringLiteral("SELECT Mult FROM LogGen WHERE Etp = ? ORDER BY ID"),
                         {etp(stage)});
    if (!q)
        return std::nullopt;
    QStringList mults;
    while (q->next())
        mults << q->value(0).toString();
    return mults;
}

std::optional<qint64> LogStore::insert(const LogRow& r) {
    auto q =
        m_db.select(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, "
                                   "Md, Jud, Mult, Pct) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {r.callsign, r.data, r.utc, r.etp, r.sent, r.rcvd, r.md, r.jud, r.mult, r.pct});
    if (!q)
        return std::nullopt;
    return q->lastInsertId().toLongLong();
}

std::optional<std::pair<qint64, LogRow>> LogStore::lastRow() {
    auto q = m_db.select(QStringLiteral("SELECT ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
                                        "Mult, Pct FROM LogGen ORDER BY ID DESC LIMIT 1"));
    if (!q || !q->next())
        return std::nullopt;
    LogRow r;
    QString* columns[] = {&r.callsign, &r.data, &r.utc, &r.etp,  &r.sent,
                          &r.rcvd,     &r.md,   &r.jud, &r.mult, &r.pct};
    for (int i = 0; i < 10; ++i)
        *columns[i] = q->value(i + 1).toString();
    return std::make_pair(q->value(0).toLongLong(), r);
}

bool LogStore::remove(qint64 id) {
    return m_db.execAfterCopy(QStringLiteral("DELETE FROM LogGen WHERE ID = ?"), {id});
}

bool LogStore::removeAll() {
    return m_db.execAfterCopy(QStringLiteral("DELETE FROM LogGen"));
}

std::optional<std::array<StageTotals, 4>> LogStore::Summe() {
    // The schema keeps `LogTotals` by triggers; a log made before it has none and is counted
    // row by row. Either way `Pct` is read as a number (" 0" is 0) and a `Mult` of blanks or
    // nothing is no multiplier.
    const QString sql =
        m_db.hasTable(QStringLiteral("LogTotals"))
            ? QStringLiteral("SELECT Etp, Qsos, Mults, Points FROM LogTotals "
                             "WHERE Etp IN ('1', '2', '3', '4')")
            : QStringLiteral("SELECT Etp, count(*), sum(length(trim(coalesce(Mult, ''))) > 0), "
                             "sum(CAST(trim(coalesce(Pct, '')) AS INTEGER)) FROM LogGen "
                             "WHERE Etp IN ('1', '2', '3', '4') GROUP BY Etp");
    auto q = m_db.select(sql);
    if (!q)
        return std::nullopt;
    std::array<StageTotals, 4> totals{};
    while (q->next()) {
        StageTotals& t = totals[q->value(0).toInt() - 1];
        t.qsos = q->value(1).toInt();
        t.multipliers = q->value(2).toInt();
        t.points = q->value(3).toLongLong();
    }
    return totals;
}
