#include "refdata/PartialCheck.h"

#include "logging/Database.h"

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
        PartialMatch mark;
    } sources[] = {{&callDb, "SELECT Call FROM CallJud", {}},
                   {&callDb, "SELECT Call FROM KnownCall", {{}, false, true}},
                   {&logDb, "SELECT DISTINCT Callsign FROM LogGen", {{}, true, false}}};
    QList<PartialMatch> calls;
    for (const auto& source : sources) {
        Outcome<QSqlQuery> q = source.db->select(QLatin1String(source.sql));
        if (!q)
            return Failure{q.error()};
        while (q->next())
            calls.append({q->value(0).toString(), source.mark.worked, source.mark.listOnly});
    }
    reset(std::move(calls));
    return {};
}

void PartialCheck::reset(QList<PartialMatch> calls) {
    *this = PartialCheck();
    for (PartialMatch& call : calls)
        call.callsign = call.callsign.trimmed().toUpper();
    std::sort(calls.begin(), calls.end(),
              [](const PartialMatch& a, const PartialMatch& b) { return a.callsign < b.callsign; });
    for (const PartialMatch& call : std::as_const(calls))
        add(call.callsign, call.worked, call.listOnly);
    m_ordered = size();
}

void PartialCheck::add(const QString& callsign, bool worked, bool listOnly) {
    const QString call = callsign.trimmed().toUpper();
    if (call.size() < kMinFragment)
        return;
    if (const auto known = m_ids.constFind(call); known != m_ids.cend()) {
        m_calls[size_t(*known)].worked |= worked;
        m_calls[size_t(*known)].listOnly &= listOnly;
        return;
    }
    const int id = size();
    m_calls.push_back({call, worked, listOnly && !worked});
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
