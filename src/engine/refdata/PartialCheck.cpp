#include "refdata/PartialCheck.h"

#include "logging/Database.h"

#include <algorithm>

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
    const std::pair<Database*, const char*> sources[] = {
        {&callDb, "SELECT Call FROM CallJud"}, {&logDb, "SELECT DISTINCT Callsign FROM LogGen"}};
    for (const auto& [db, sql] : sources) {
        Outcome<QSqlQuery> q = db->select(QLatin1String(sql));
        if (!q)
            return Failure{q.error()};
        while (q->next())
            add(q->value(0).toString(), db == &logDb);
    }
    return {};
}

void PartialCheck::add(const QString& callsign, bool worked) {
    const QString call = callsign.trimmed().toUpper();
    if (call.size() < kMinFragment)
        return;
    if (const auto known = m_ids.constFind(call); known != m_ids.cend()) {
        m_calls[size_t(*known)].worked |= worked;
        return;
    }
    const int id = size();
    m_calls.push_back({call, worked});
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
    struct Ranked {
        int rank; // 0 exact, 1 beginning with the fragment, 2 holding it
        int id;
    };
    std::vector<Ranked> found;
    found.reserve(rarest->size());
    for (const int id : *rarest) {
        const QString& call = m_calls[size_t(id)].callsign;
        if (f.size() > 3 && !call.contains(f))
            continue;
        found.push_back({call.size() == f.size() ? 0 : call.startsWith(f) ? 1 : 2, id});
    }
    const auto shown = found.begin() + std::min<qsizetype>(limit, qsizetype(found.size()));
    std::partial_sort(found.begin(), shown, found.end(), [this](const Ranked& a, const Ranked& b) {
        return a.rank != b.rank ? a.rank < b.rank
                                : m_calls[size_t(a.id)].callsign < m_calls[size_t(b.id)].callsign;
    });
    QList<PartialMatch> out;
    out.reserve(shown - found.begin());
    for (auto it = found.begin(); it != shown; ++it)
        out << m_calls[size_t(it->id)];
    return out;
}
