#include "contact/MultiplierColumn.h"

#include "rules/ContestRun.h"
#include "rules/Correction.h"
#include "store/LogStore.h"

#include <QSet>
#include <QSqlError>
#include <limits>
#include <utility>

namespace {
// What the column was derived for: another contest or station earns other multipliers.
QString basisOf(const ContestDef& def, const MultiplierStation& station) {
    return QStringList{def.codeString(), station.specialCall, station.myCounty}.join(u'|');
}
} // namespace

Outcome<qint64> MultiplierColumn::derive(const ContestDef& def, const MultiplierStation& station,
                                         int stage, qint64 fromId) {
    const QVariant marked = m_db.scalar(
        QStringLiteral("SELECT FromId FROM MultPending WHERE Etp = ?"), {QString::number(stage)});
    const bool isMarked = marked.isValid() && !marked.isNull();
    if (isMarked)
        fromId = std::min(fromId, marked.toLongLong());
    if (Outcome<void> done = deriveFrom(def, station, stage, fromId); !done)
        return Failure{done.error()};
    // Read inside the same write: no other program can have marked the stage since.
    if (!isMarked)
        return fromId;
    if (Outcome<void> cleared = m_db.exec(QStringLiteral("DELETE FROM MultPending WHERE Etp = ?"),
                                          {QString::number(stage)});
        !cleared) {
        forget();
        return Failure{cleared.error()};
    }
    return fromId;
}

void MultiplierColumn::forget() {
    m_held.reset();
}

Outcome<QSet<QString>> MultiplierColumn::heldIn(int stage) {
    // Current when no other program wrote, no row came after the derivation and nothing is
    // marked for deriving again (a change made through another part of the program).
    if (m_held && m_held->stage == stage &&
        m_held->commits == m_db.scalar(QStringLiteral("PRAGMA data_version")).toLongLong() &&
        m_db.scalar(QStringLiteral("SELECT (SELECT coalesce(max(ID), 0) FROM LogGen) < ? AND "
                                   "NOT EXISTS (SELECT 1 FROM MultPending)"),
                    {m_held->nextId})
            .toBool())
        return m_held->values;
    return readHeld(stage, std::numeric_limits<qint64>::max());
}

Outcome<QSet<QString>> MultiplierColumn::readHeld(int stage, qint64 beforeId) {
    const Outcome<QStringList> values = LogStore(m_db).stageMults(stage, beforeId);
    if (!values)
        return Failure{values.error()};
    return QSet<QString>(values->cbegin(), values->cend());
}

Outcome<QSet<QString>> MultiplierColumn::heldBefore(const QString& basis, int stage, qint64 fromId,
                                                    qint64 commits) {
    // A contact appended to the stage derived last, with no other program's write since: what
    // the stage held is what that derivation left.
    if (m_held && m_held->stage == stage && m_held->basis == basis && m_held->commits == commits &&
        fromId >= m_held->nextId)
        return std::exchange(m_held, std::nullopt)->values;
    m_held.reset();
    return readHeld(stage, fromId);
}

Outcome<void> MultiplierColumn::deriveFrom(const ContestDef& def, const MultiplierStation& station,
                                           int stage, qint64 fromId) {
    const QString etp = QString::number(stage);
    const QString basis = basisOf(def, station);
    const qint64 commits = m_db.scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
    Outcome<QSet<QString>> earlier = heldBefore(basis, stage, fromId, commits);
    if (!earlier)
        return Failure{earlier.error()};
    QSet<QString> held = std::move(*earlier);
    const bool otherModeFree =
        def.log.dupeRule(stage).modeAware && def.log.dupeRule(stage).otherModeFree;
    QSet<QString> worked; // callsign + mode of the contacts walked so far
    QList<std::pair<qint64, QString>> changes;
    qint64 nextId = fromId;
    Outcome<void> read = m_db.eachRow(
        QStringLiteral("SELECT ID, Callsign, Md, Jud, Rcvd, Mult FROM LogGen "
                       "WHERE Etp = ? AND ID >= ? ORDER BY ID"),
        {etp, fromId}, [&](const QSqlQuery& row) {
            nextId = row.value(0).toLongLong() + 1;
            const QString call = row.value(1).toString().trimmed();
            const QString mode = row.value(2).toString();
            MultiplierFacts facts{call, row.value(3).toString(),
                                  Correction::splitExchange(row.value(4).toString())[1], false};
            if (otherModeFree) {
                const QString other = modeText(otherMode(modeFromText(mode)));
                facts.otherMode =
                    worked.contains(call + u'|' + other) ||
                    m_db.scalar(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM LogGen WHERE "
                                               "Callsign = ? AND Md = ? AND Etp = ? AND ID < ? "
                                               "LIMIT 1)"),
                                {call, other, etp, fromId})
                            .toInt() > 0;
                worked.insert(call + u'|' + mode);
            }
            const QString mult = MultiplierRule::earned(
                def, station, stage, facts, [&](const QString& v) { return held.contains(v); });
            if (mult.trimmed() != row.value(5).toString().trimmed())
                changes << std::pair{row.value(0).toLongLong(), mult};
            if (MultiplierRule::isMultiplier(mult))
                held.insert(mult.trimmed());
        });
    if (!read)
        return read;
    for (const auto& [id, mult] : changes)
        if (Outcome<void> done =
                m_db.exec(QStringLiteral("UPDATE LogGen SET Mult = ? WHERE ID = ?"), {mult, id});
            !done)
            return done;
    m_held = Held{stage, basis, nextId, commits, std::move(held)};
    return {};
}

Outcome<void> MultiplierColumn::derivePending(const ContestDef& def,
                                              const MultiplierStation& station) {
    const QString basis = basisOf(def, station);
    const bool sameBasis =
        m_db.scalar(QStringLiteral("SELECT count(*) FROM MultBasis WHERE Basis = ?"), {basis})
            .toInt() > 0;
    bool anyMark = false; // a mark of a value that is no stage is only cleared
    QList<std::pair<int, qint64>> stages;
    Outcome<void> read = m_db.eachRow(
        QStringLiteral("SELECT Etp, FromId FROM MultPending"), {}, [&](const QSqlQuery& q) {
            anyMark = true;
            const QString etp = q.value(0).toString();
            if (const int stage = etp.toInt(); stage >= 1 && stage <= 4 && etp.size() == 1)
                stages.append({stage, q.value(1).toLongLong()});
        });
    if (!read)
        return read;
    if (sameBasis && !anyMark)
        return {};
    if (!sameBasis)
        stages = {{1, 0}, {2, 0}, {3, 0}, {4, 0}};
    Outcome<void> derived = m_db.inTransaction([&]() -> Outcome<void> {
        for (const auto& [stage, fromId] : std::as_const(stages))
            if (Outcome<void> done = deriveFrom(def, station, stage, fromId); !done)
                return done;
        for (const char* sql : {"DELETE FROM MultPending", "DELETE FROM MultBasis"})
            if (Outcome<void> done = m_db.exec(QLatin1String(sql)); !done)
                return done;
        return m_db.exec(QStringLiteral("INSERT INTO MultBasis (Basis) VALUES (?)"), {basis});
    });
    if (!derived)
        forget();
    return derived;
}
