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
    bool worked = false;   // in this contest's log
    bool listOnly = false; // known only from a list of callsigns: no county, never worked
};

// The partial check: every known callsign that holds a typed fragment anywhere. Each callsign is
// indexed by its two- and three-letter pieces, so a search reads only the callsigns that share the
// fragment's rarest piece instead of the whole table. The callsigns loaded together are numbered
// in callsign order, so a search reads them in the order it shows them and never sorts them.
class PartialCheck {
public:
    static constexpr int kMinFragment = 2;

    /// Every callsign of `CallJud` and of the known callsigns in `callDb` and of `LogGen` in
    /// `logDb`, the latter worked.
    [[nodiscard]] Outcome<void> load(Database& callDb, Database& logDb);
    /// Replaces the index by `calls`; a callsign listed twice is worked when either is, and list
    /// only when both are.
    void reset(QList<PartialMatch> calls);
    /// Adds `callsign` (trimmed, upper case); `worked` marks it, and a mark is never taken back;
    /// `listOnly` holds until it is added otherwise.
    void add(const QString& callsign, bool worked, bool listOnly = false);
    /// The callsigns holding `fragment` (at least kMinFragment characters): the exact one first,
    /// then those beginning with it, then the others, each group in callsign order; at most
    /// `limit` of them.
    QList<PartialMatch> find(const QString& fragment, int limit) const;
    int size() const { return int(m_calls.size()); }

private:
    std::vector<PartialMatch> m_calls;
    int m_ordered = 0; // the calls numbered in callsign order; those added later follow
    QHash<QString, int> m_ids;
    QHash<quint64, std::vector<int>> m_pieces; // piece -> callsigns holding it
};
