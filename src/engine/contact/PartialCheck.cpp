#include "contact/PartialCheck.h"

#include "store/Database.h"

#include <QSet>
#include <QSqlQuery>
#include <algorithm>
#include <array>

namespace {

// A piece of two or three characters as one key; the length keeps "AB" apart from "AB\0".
quint64 pieceKey(const QChar* at, qsizetype length) {
    quint64 key = quint64(length) << 48;
    for (qsizetype i = 0; i < length; ++i)
        key |= quint64(at[i].unicode()) << (16 * (2 - i));
    return key;
}

} // namespace

Outcome<void> PartialCheck::load(Database& callDb, Database& logDb) {
    const struct {
        Database* db;
        const char* sql;
        bool listOnly;
    } sources[] = {{&callDb, "SELECT 0, Call FROM CallJud", false},
                   {&callDb, "SELECT 0, Call FROM KnownCall", true},
                   {&logDb, "SELECT ID, Callsign FROM LogGen", false}};
    QList<PartialMatch> calls;
    qint64 logSeen = 0;
    for (const auto& source : sources) {
        Outcome<QSqlQuery> q = source.db->select(QLatin1String(source.sql));
        if (!q)
            return Failure{q.error()};
        while (q->next()) {
            logSeen = std::max(logSeen, q->value(0).toLongLong());
            calls.append({q->value(1).toString(), false, source.listOnly});
        }
    }
    start(std::move(calls));
    m_logSeen = logSeen;
    return {};
}

Outcome<void> PartialCheck::follow(Database& logDb) {
    Outcome<QSqlQuery> q = logDb.select(
        QStringLiteral("SELECT ID, Callsign FROM LogGen WHERE ID > ? ORDER BY ID"), {m_logSeen});
    if (!q)
        return Failure{q.error()};
    while (q->next()) {
        m_logSeen = q->value(0).toLongLong();
        add(q->value(1).toString());
    }
    return {};
}

Outcome<void> PartialCheck::markWorked(QList<PartialMatch>& found, Database& logDb) {
    if (found.isEmpty())
        return {};
    QVariantList calls;
    for (const PartialMatch& m : std::as_const(found))
        calls.append(m.callsign);
    const QString marks = QStringLiteral("?,").repeated(found.size()).chopped(1);
    Outcome<QSqlQuery> q = logDb.select(
        QStringLiteral("SELECT DISTINCT Callsign FROM LogGen WHERE Callsign IN (%1)").arg(marks),
        calls);
    if (!q)
        return Failure{q.error()};
    QSet<QString> worked;
    while (q->next())
        worked.insert(q->value(0).toString());
    for (PartialMatch& m : found) {
        m.worked = worked.contains(m.callsign);
        m.listOnly &= !m.worked;
    }
    return {};
}

void PartialCheck::reset(const QStringList& calls) {
    QList<PartialMatch> matches;
    for (const QString& call : calls)
        matches.append({call});
    start(std::move(matches));
    finish();
}

void PartialCheck::start(QList<PartialMatch> calls) {
    *this = PartialCheck();
    for (PartialMatch& call : calls)
        call.callsign = call.callsign.trimmed().toUpper();
    std::sort(calls.begin(), calls.end(),
              [](const PartialMatch& a, const PartialMatch& b) { return a.callsign < b.callsign; });
    m_loaded = std::move(calls);
}

bool PartialCheck::indexSome(int count) {
    if (m_loaded.isEmpty())
        return true;
    const qsizetype end = std::min(m_loaded.size(), m_next + count);
    for (; m_next < end; ++m_next)
        index(m_loaded[m_next]);
    m_ordered = size();
    if (m_next < m_loaded.size())
        return false;
    m_loaded.clear();
    m_next = 0;
    return true;
}

void PartialCheck::add(const QString& callsign) {
    // A callsign added now follows those loaded, which are indexed first.
    finish();
    index({callsign.trimmed().toUpper()});
}

void PartialCheck::index(const PartialMatch& match) {
    const QString& call = match.callsign;
    if (call.size() < kMinFragment)
        return;
    if (const auto known = m_ids.constFind(call); known != m_ids.cend()) {
        m_calls[size_t(*known)].listOnly &= match.listOnly;
        return;
    }
    const int id = size();
    m_calls.push_back(match);
    m_ids.insert(call, id);
    for (qsizetype length = 2; length <= 3; ++length)
        for (qsizetype i = 0; i + length <= call.size(); ++i) {
            std::vector<int>& holders = m_pieces[pieceKey(call.constData() + i, length)];
            // A piece twice in one callsign lists it once.
            if (holders.empty() || holders.back() != id)
                holders.push_back(id);
        }
}

QList<PartialMatch> PartialCheck::find(const QString& fragment, int limit) const {
    const QString f = fragment.trimmed().toUpper();
    if (f.size() < kMinFragment || limit <= 0)
        return {};
    // The rarest piece of the fragment bounds the callsigns worth reading.
    const qsizetype length = std::min<qsizetype>(f.size(), 3);
    const std::vector<int>* rarest = nullptr;
    for (qsizetype i = 0; i + length <= f.size(); ++i) {
        const auto it = m_pieces.constFind(pieceKey(f.constData() + i, length));
        if (it == m_pieces.cend())
            return {};
        if (!rarest || it->size() < rarest->size())
            rarest = &*it;
    }
    // Calls loaded together come in callsign order: the first `limit` of each rank are kept.
    // Those added since are few, sorted apart and merged in.
    std::array<std::vector<int>, 3> ranked; // 0 exact, 1 beginning with the fragment, 2 holding it
    std::vector<std::pair<int, int>> later; // rank, call
    for (const int id : *rarest) {
        const QString& call = m_calls[size_t(id)].callsign;
        if (f.size() > 3 && !call.contains(f))
            continue;
        const int rank = call.size() == f.size() ? 0 : call.startsWith(f) ? 1 : 2;
        if (id >= m_ordered)
            later.emplace_back(rank, id);
        else if (ranked[size_t(rank)].size() < size_t(limit))
            ranked[size_t(rank)].push_back(id);
    }
    const auto byCall = [this](int a, int b) {
        return m_calls[size_t(a)].callsign < m_calls[size_t(b)].callsign;
    };
    std::sort(later.begin(), later.end(), [&byCall](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : byCall(a.second, b.second);
    });
    std::array<size_t, 3> laterOfRank{};
    for (const auto& [rank, id] : later) {
        ranked[size_t(rank)].push_back(id);
        ++laterOfRank[size_t(rank)];
    }
    QList<PartialMatch> out;
    for (size_t rank = 0; rank < ranked.size(); ++rank) {
        std::vector<int>& ids = ranked[rank];
        std::inplace_merge(ids.begin(), ids.end() - qsizetype(laterOfRank[rank]), ids.end(),
                           byCall);
        for (auto it = ids.begin(); it != ids.end() && out.size() < limit; ++it)
            out << m_calls[size_t(*it)];
    }
    return out;
}
