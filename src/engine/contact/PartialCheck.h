#pragma once

#include "base/Outcome.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class Database;

/// A callsign holding the typed fragment.
struct PartialMatch {
    QString callsign;
    bool worked = false;   // in this contest's log as it stands
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
    /// `logDb`, read to be indexed by indexSome.
    [[nodiscard]] Outcome<void> load(Database& callDb, Database& logDb);
    /// Adds the callsigns logged into `logDb` since the last load or follow, by this program or
    /// another one logging into the same file.
    [[nodiscard]] Outcome<void> follow(Database& logDb);
    /// Replaces the index by `calls`, none of them list only.
    void reset(const QStringList& calls);
    /// Indexes up to `count` more of the callsigns loaded; true when all are.
    bool indexSome(int count);
    /// Indexes the rest of the callsigns loaded.
    void finish() { indexSome(int(m_loaded.size())); }
    /// Adds `callsign` (trimmed, upper case) after the callsigns loaded; a list-only callsign
    /// added so is list only no more.
    void add(const QString& callsign);
    /// The callsigns indexed holding `fragment` (at least kMinFragment characters): the exact one
    /// first, then those beginning with it, then the others, each group in callsign order; at most
    /// `limit` of them, none marked.
    QList<PartialMatch> find(const QString& fragment, int limit) const;
    /// Marks the callsigns of `found` that `logDb` holds now: a deleted or corrected contact
    /// takes its mark away, and a worked callsign is no longer list only.
    [[nodiscard]] static Outcome<void> markWorked(QList<PartialMatch>& found, Database& logDb);
    int size() const { return int(m_calls.size()); }

private:
    /// Replaces the index by none and keeps `calls` to be indexed, in callsign order.
    void start(QList<PartialMatch> calls);
    void index(const PartialMatch& match);

    QList<PartialMatch> m_loaded; // in callsign order, indexed from m_next on
    qsizetype m_next = 0;
    std::vector<PartialMatch> m_calls;
    int m_ordered = 0;    // the calls numbered in callsign order; those added later follow
    qint64 m_logSeen = 0; // the highest `ID` of the log read
    QHash<QString, int> m_ids;
    QHash<quint64, std::vector<int>> m_pieces; // piece -> callsigns holding it
};
