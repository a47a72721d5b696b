#include "store/LogStore.h"

#include <algorithm>
#include <limits>

#include "base/LogDate.h"
#include "rules/Correction.h"
#include "rules/Points.h"
#include "rules/SerialCode.h"
#include "store/LogReader.h"
#include "store/SchemaScript.h"

#include <QSqlError>

namespace {
const QString& kColumns = LogRow::columns();
const QString kUnreadable = QStringLiteral("LOGUL NU POATE FI CITIT: ");
// The delete triggers of the schema and the tables they keep.
const QStringList kDeleteTriggers{QStringLiteral("LogGenTotalsDelete"),
                                  QStringLiteral("LogGenMultPendingDelete")};
const QStringList kKeptTables{QStringLiteral("LogTotals"), QStringLiteral("MultPending")};
const QString kTotalsUnreadable = QStringLiteral("TOTALURILE LOGULUI NU POT FI CITITE: ");
const QString kSerials = QStringLiteral("SentSerial");

QString etp(int stage) {
    return QString::number(stage);
}

// The text values of `r`, in the order of LogRow::textColumns().
QVariantList textValues(const LogRow& r) {
    QVariantList values;
    for (QString LogRow::*text : LogRow::kTexts)
        values << r.*text;
    return values;
}

} // namespace

Outcome<QList<LogRow>> LogStore::stagePage(int stage, qint64 beforeId, int limit) {
    Outcome<QList<LogRow>> rows =
        beforeId > 0 ? readRows(QStringLiteral("WHERE Etp = ? AND ID < ? ORDER BY ID DESC LIMIT ?"),
                                {etp(stage), beforeId, limit})
                     : readRows(QStringLiteral("WHERE Etp = ? ORDER BY ID DESC LIMIT ?"),
                                {etp(stage), limit});
    if (rows)
        std::reverse(rows->begin(), rows->end());
    return rows;
}

Outcome<QList<LogRow>> LogStore::stageRowsAfter(int stage, qint64 afterId, int limit) {
    return readRows(QStringLiteral("WHERE Etp = ? AND ID > ? ORDER BY ID LIMIT ?"),
                    {etp(stage), afterId, limit});
}

Outcome<QList<LogRow>> LogStore::callsignPage(const QString& beginning, const QString& afterCall,
                                              qint64 afterId, int limit) {
    // A range instead of LIKE: nothing typed needs escaping, and the callsign index serves it.
    // U+10FFFF sorts after every character, so the range holds exactly the callsigns that
    // begin with `beginning`.
    const QString end = beginning + QString::fromUcs4(U"\U0010FFFF");
    return readRows(QStringLiteral("WHERE (Callsign, ID) > (?, ?) AND Callsign < ? "
                                   "ORDER BY Callsign, ID LIMIT ?"),
                    {afterCall, afterId, end, limit});
}

Outcome<std::optional<QString>> LogStore::firstContact(const QString& callsign, int stage,
                                                       const QString& mode, qint64 exceptId) {
    std::optional<QString> first;
    const Outcome<void> read =
        mode.isEmpty()
            ? m_db.eachRow(QStringLiteral("SELECT UTC FROM LogGen WHERE Callsign = ? AND "
                                          "Etp = ? AND ID <> ? ORDER BY ID LIMIT 1"),
                           {callsign, etp(stage), exceptId},
                           [&first](const QSqlQuery& q) { first = q.value(0).toString(); })
            : m_db.eachRow(QStringLiteral("SELECT UTC FROM LogGen WHERE Callsign = ? AND "
                                          "Md = ? AND Etp = ? AND ID <> ? ORDER BY ID LIMIT 1"),
                           {callsign, mode, etp(stage), exceptId},
                           [&first](const QSqlQuery& q) { first = q.value(0).toString(); });
    if (!read)
        return Failure{kUnreadable + read.error()};
    return first;
}

Outcome<bool> LogStore::hasMult(const QString& mult, int stage, qint64 beforeId) {
    bool held = false;
    const Outcome<void> read = m_db.eachRow(
        QStringLiteral("SELECT 1 FROM LogGen WHERE Mult = ? AND Etp = ? AND ID < ? LIMIT 1"),
        {mult, etp(stage), beforeId > 0 ? beforeId : std::numeric_limits<qint64>::max()},
        [&held](const QSqlQuery&) { held = true; });
    if (!read)
        return Failure{kUnreadable + read.error()};
    return held;
}

Outcome<QStringList> LogStore::stageMults(int stage, qint64 beforeId) {
    // Only the rows that hold a multiplier, a few in a stage, are read: in the (Etp, Mult) index
    // the blank values ("  " and shorter) of all the others sort before them. A scan of the
    // stage would make every Enter slower as the log grows.
    QStringList mults;
    const Outcome<void> read = m_db.eachRow(
        QStringLiteral("SELECT DISTINCT Mult FROM LogGen WHERE Etp = ? AND Mult > '  ' AND ID < ?"),
        {etp(stage), beforeId}, [&mults](const QSqlQuery& q) {
            if (const QString mult = q.value(0).toString().trimmed(); !mult.isEmpty())
                mults << mult;
        });
    if (!read)
        return Failure{read.error()};
    return mults;
}

Outcome<qint64> LogStore::insert(const LogRow& r) {
    static const QString sql =
        QStringLiteral("INSERT INTO LogGen (") + LogRow::textColumns().join(QStringLiteral(", ")) +
        QStringLiteral(", Frecv) VALUES (?") +
        QStringLiteral(", ?").repeated(LogRow::kTexts.size()) + QStringLiteral(")");
    QVariantList values = textValues(r);
    values << (r.frequency ? QVariant(*r.frequency) : QVariant(QMetaType::fromType<qint64>()));
    qint64 id = 0;
    const Outcome<void> done = m_db.run(sql, values, [&id](QSqlQuery& q) -> Outcome<void> {
        id = q.lastInsertId().toLongLong();
        return {};
    });
    if (!done)
        return Failure{done.error()};
    return id;
}

Outcome<QString> LogStore::nextSerial() {
    // The serial after the newest contact, for a log that holds no reservation yet.
    const Outcome<std::optional<LogRow>> newest = lastRow();
    if (!newest)
        return Failure{newest.error()};
    int next = *newest ? Correction::nextSentCode((*newest)->sent, (*newest)->mode).toInt() : 1;
    if (m_db.hasTable(kSerials)) {
        const Outcome<void> read = m_db.eachRow(
            QStringLiteral("SELECT Last FROM SentSerial WHERE ID = 1"), {},
            [&next](const QSqlQuery& q) { next = std::max(next, q.value(0).toInt() + 1); });
        if (!read)
            return Failure{kUnreadable + read.error()};
    }
    return SerialCode::text(next);
}

Outcome<QString> LogStore::reserveSerial(const QString& wanted) {
    Outcome<QString> free = nextSerial();
    if (!free)
        return free;
    QString serial = SerialCode::text(std::max(free->toInt(), wanted.trimmed().toInt()));
    // A log of an older schema has no reservations: its serial follows its newest contact.
    if (!m_db.hasTable(kSerials))
        return serial;
    const Outcome<void> kept =
        m_db.exec(QStringLiteral("INSERT OR REPLACE INTO SentSerial (ID, Last) VALUES (1, ?)"),
                  {serial.toInt()});
    if (!kept)
        return Failure{kept.error()};
    return serial;
}

Outcome<int> LogStore::update(qint64 id, const LogRow& r) {
    // The frequency stays that of the contact as it was made.
    static const QString sql = QStringLiteral("UPDATE LogGen SET ") +
                               LogRow::textColumns().join(QStringLiteral(" = ?, ")) +
                               QStringLiteral(" = ? WHERE ID = ?");
    QVariantList values = textValues(r);
    values << id;
    int changed = 0;
    const Outcome<void> done = m_db.run(sql, values, [&changed](QSqlQuery& q) -> Outcome<void> {
        changed = q.numRowsAffected();
        return {};
    });
    if (!done)
        return Failure{done.error()};
    return changed;
}

Outcome<std::optional<LogRow>> LogStore::lastRow() {
    return readRow(QStringLiteral("ORDER BY ID DESC LIMIT 1"), {});
}

Outcome<std::optional<LogRow>> LogStore::row(qint64 id) {
    return readRow(QStringLiteral("WHERE ID = ?"), {id});
}

Outcome<std::optional<LogRow>> LogStore::readRow(const QString& tail, const QVariantList& values) {
    const Outcome<QList<LogRow>> rows = readRows(tail, values);
    if (!rows)
        return Failure{kUnreadable + rows.error()};
    if (rows->isEmpty())
        return std::optional<LogRow>();
    return std::optional<LogRow>(rows->first());
}

Outcome<QList<LogRow>> LogStore::readRows(const QString& tail, const QVariantList& values) {
    return rowsOf(QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM LogGen ") + tail,
                  values);
}

Outcome<void> LogStore::remove(qint64 id, const std::function<Outcome<void>()>& alsoInside) {
    return m_db.changeAfterCopy([&]() -> Outcome<void> {
        if (Outcome<void> done = m_db.exec(QStringLiteral("DELETE FROM LogGen WHERE ID = ?"), {id});
            !done || !alsoInside)
            return done;
        return alsoInside();
    });
}

std::function<Outcome<void>()> LogStore::emptying() {
    // Row by row, the delete triggers and the indexes make emptying a large log take seconds;
    // with no delete trigger SQLite drops the table's pages at once. The triggers come back from
    // the schema, and the tables they keep are emptied, in the same transaction.
    const Outcome<QString> schema = SchemaScript::builtIn();
    if (!schema)
        return [error = schema.error()]() -> Outcome<void> { return Failure{error}; };
    const QStringList all = SchemaScript::statements(*schema);
    QStringList creates;
    for (const QString& trigger : kDeleteTriggers)
        creates += all.filter(trigger);
    QStringList steps{QStringLiteral("DELETE FROM LogGen")};
    if (creates.size() == kDeleteTriggers.size() &&
        std::all_of(kKeptTables.cbegin(), kKeptTables.cend(),
                    [&](const QString& table) { return m_db.hasTable(table); })) {
        steps.clear();
        for (const QString& trigger : kDeleteTriggers)
            steps << QStringLiteral("DROP TRIGGER IF EXISTS ") + trigger;
        steps << QStringLiteral("DELETE FROM LogGen");
        for (const QString& table : kKeptTables)
            steps << QStringLiteral("DELETE FROM ") + table;
        steps += creates;
    }
    // An emptied log is a new contest: its serials start again at "001".
    if (m_db.hasTable(kSerials))
        steps << QStringLiteral("DELETE FROM SentSerial");
    return [db = &m_db, steps]() -> Outcome<void> {
        for (const QString& sql : steps)
            if (Outcome<void> done = db->exec(sql); !done)
                return done;
        return {};
    };
}

Outcome<QList<LogRow>> LogStore::rowsOf(const QString& sql, const QVariantList& values) {
    QList<LogRow> rows;
    const Outcome<void> read =
        m_db.eachRow(sql, values, [&rows](const QSqlQuery& q) { rows << LogRow::fromQuery(q); });
    if (!read)
        return Failure{read.error()};
    return rows;
}

Outcome<void> LogStore::removeAll() {
    return m_db.changeAfterCopy(emptying());
}

Outcome<qint64> LogStore::count(int stage) {
    const LogReader::Select q = LogReader::select(QStringLiteral("count(*)"), stage);
    qint64 counted = 0;
    const Outcome<void> read = m_db.eachRow(
        q.sql, q.values, [&counted](const QSqlQuery& row) { counted = row.value(0).toLongLong(); });
    if (!read)
        return Failure{kUnreadable + read.error()};
    return counted;
}

Outcome<QList<LogRow>> LogStore::datePage(int stage, int first, int count, int total) {
    // Rows past the middle are counted from the end, so that the last rows, which the grid shows
    // first, cost no more than the first ones.
    const bool fromEnd = first >= total / 2;
    const LogReader::Select q = LogReader::select(kColumns, stage);
    QVariantList values = q.values;
    values << count << (fromEnd ? total - first - count : first);
    Outcome<QList<LogRow>> rows =
        rowsOf(q.sql + LogDate::sqlOrder(fromEnd) + QStringLiteral(" LIMIT ? OFFSET ?"), values);
    if (!rows)
        return Failure{kUnreadable + rows.error()};
    if (fromEnd)
        std::reverse(rows->begin(), rows->end());
    return rows;
}

const QStringList& LogStore::columnNames() {
    // The grid shows the columns the log has always had.
    static const QStringList names = QStringList{QStringLiteral("ID")} + LogRow::textColumns();
    return names;
}

Outcome<std::array<StageTotals, 4>> LogStore::stageTotals() {
    // The schema keeps `LogTotals` by triggers; a log made before it has none and is counted
    // row by row. Its table is looked for only when it cannot be read: the look costs more than
    // the read.
    Outcome<std::array<StageTotals, 4>> totals =
        stageTotalsBy(QStringLiteral("SELECT Etp, Qsos, Mults, Points FROM LogTotals "
                                     "WHERE Etp IN ('1', '2', '3', '4')"));
    if (totals || m_db.hasTable(QStringLiteral("LogTotals")))
        return totals;
    return stageTotalsBy(
        QStringLiteral("SELECT Etp, count(*), sum(length(trim(coalesce(Mult, ''))) > 0), "
                       "sum(CAST(trim(coalesce(Pct, '')) AS INTEGER)) FROM LogGen "
                       "WHERE Etp IN ('1', '2', '3', '4') GROUP BY Etp"));
}

Outcome<std::array<StageTotals, 4>> LogStore::stageTotalsBy(const QString& sql) {
    // `Pct` is read as a number (" 0" is 0) and a `Mult` of blanks or nothing is no multiplier.
    std::array<StageTotals, 4> totals{};
    int invalidStage = 0;
    const Outcome<void> read = m_db.eachRow(sql, {}, [&](const QSqlQuery& q) {
        const int stage = q.value(0).toInt();
        StageTotals& t = totals[stage - 1];
        t.qsos = q.value(1).toInt();
        t.multipliers = q.value(2).toInt();
        // Crafted points overflow SQLite's sum into a real number: such a total is refused.
        const QVariant points = q.value(3);
        t.points = points.toLongLong();
        if (points.typeId() != QMetaType::LongLong || t.points < 0 ||
            t.points > qint64(t.qsos) * Points::kMaxContactPoints)
            invalidStage = invalidStage > 0 ? invalidStage : stage;
    });
    if (!read)
        return Failure{kTotalsUnreadable + read.error()};
    if (invalidStage > 0)
        return Failure{kTotalsUnreadable +
                       QStringLiteral("punctajul etapei %1 nu este valid").arg(invalidStage)};
    return totals;
}
