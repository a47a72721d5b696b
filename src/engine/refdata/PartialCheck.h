#pragma once

#include "Outcome.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

class Database;

/// A callsign holding the typed fragment.
struct PartialMatch {
    QString callsign;
    bool worked = false; // in this contest's log
};

// The partial check: every known callsign that holds a typed fragment anywhere. Each callsign is
// indexed by its two- and three-letter pieces, so a search reads only the callsigns that share the
// fragment's rarest piece instead of the whole table. The callsigns loaded together are numbered
// in callsign order, so a search reads them in the order it shows them and never sorts them.
class PartialCheck {
public:
    static constexpr int kMinFragment = 2;

    /// Every callsign of `CallJud` in `callDb` and of `LogGen` in `logDb`, the latter worked,
    /// read to be indexed by indexSome.
    [[nodiscard]] Outcome<void> load(Database& callDb, Database& logDb);
    /// Replaces the index by `calls`; a callsign listed twice is worked when either is.
    void reset(QList<PartialMatch> calls);
    /// Indexes up to `count` more of the callsigns loaded; true when all are.
    bool indexSome(int count);
    /// Indexes the rest of the callsigns loaded.
    void finish() { indexSome(int(m_loaded.size())); }
    /// Adds `callsign` (trimmed, upper case) after the callsigns loaded; `worked` marks it, and
    /// a mark is never taken back.
    void add(const QString& callsign, bool worked);
    /// The callsigns holding `fragment` (at least kMinFragment characters) among those indexed:
    /// the exact one first, then those beginning with it, then the others, each group in
    /// callsign order; at most `limit` of them.
    QList<PartialMatch> find(const QString& fragment, int limit) const;
    int size() const { return int(m_calls.size()); }

private:
    /// Replaces the index by none and keeps `calls` to be indexed, in callsign order.
    void start(QList<PartialMatch> calls);
    void index(const QString& call, bool worked);

    QList<PartialMatch> m_loaded; // in callsign order, indexed from m_next on
    qsizetype m_next = 0;
    std::vector<PartialMatch> m_calls;
    int m_ordered = 0; // the calls numbered in callsign order; those added later follow
    QHash<QString, int> m_ids;
    QHash<quint64, std::vector<int>> m_pieces; // piece -> callsigns holding it
};
