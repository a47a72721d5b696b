#pragma once

#include "store/Database.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <map>
#include <optional>

/// How fast a stage goes: the contacts of the last 10 minutes as an hourly rate, the contacts of
/// the last 60 minutes, and the most contacts in any 60 minutes of the stage so far.
struct RateFigures {
    int lastTenPerHour = 0;
    int lastHour = 0;
    int bestHour = 0;
    bool operator==(const RateFigures&) const = default;
};

// The rate of the stage worked, from the UTC stamps of its contacts (all modes). A stage's stamps
// are read once, grouped by minute through the stage's real-date index, and then kept up to date
// with each contact logged: Enter costs one map insertion, whatever the log's size. They are read
// again only when the log's mark shows a change made elsewhere (a delete, another program).
class LogRate {
public:
    explicit LogRate(Database& log) : m_db(log) {}

    /// Shows stage 1..4 (0: none), reading its stamps unless the log is unchanged since they
    /// were read; false when they could not be read.
    bool reload(int stage);
    /// Reads the shown stage's stamps again: a correction may move a contact in time or to
    /// another stage without leaving a mark.
    bool readAgain();
    /// The stage shown.
    int stage() const { return m_stage; }
    /// A contact just logged into `stage` at `date` "dd.mm.yy", `utc` "hh:mm"; one without a
    /// readable stamp is left out. False when the log had changed elsewhere too and its
    /// stamps could not be read again.
    bool add(int stage, const QString& date, const QString& utc);
    /// The figures at `now`: the windows end at `now`, and a contact exactly 10 or 60 minutes
    /// back is out of them.
    RateFigures at(const QDateTime& now) const;
    /// The figures at the minute of the newest contact: a paper log typed in afterwards shows
    /// the rate of the times typed.
    RateFigures atNewest() const;

private:
    using Minute = qint64; // minutes since 1970, UTC
    struct Stamps {
        std::map<Minute, int> perMinute;
        int best = 0;
    };
    // What tells, without reading the stamps, that the log changed: another connection's commit,
    // the newest row and the number of rows.
    struct Mark {
        qint64 otherCommits = -1;
        qint64 newestId = -1;
        qint64 rows = -1;
        bool operator==(const Mark&) const = default;
    };
    std::optional<Mark> markNow() const;
    std::optional<Stamps> read(int stage) const;
    const Stamps* shown() const;
    static RateFigures atMinute(const Stamps& stamps, Minute now);
    /// The contacts of the minutes `from` to `to`, both included.
    static int countIn(const Stamps& stamps, Minute from, Minute to);
    /// The most contacts of any 60 minutes that begin at a stamp from `from` to `to`.
    static int bestStartingIn(const Stamps& stamps, Minute from, Minute to);

    Database& m_db;
    int m_stage = 0;
    std::array<std::optional<Stamps>, 4> m_stages;
    std::optional<Mark> m_mark; // the log's mark when the stamps kept were last right
};
