#pragma once

#include "store/Database.h"

#include <QDateTime>
#include <QString>
#include <map>

/// How fast a stage goes: the contacts of the last 10 minutes as an hourly rate, the contacts of
/// the last 60 minutes, and the most contacts in any 60 minutes of the stage so far.
struct RateFigures {
    int lastTenPerHour = 0;
    int lastHour = 0;
    int bestHour = 0;
    bool operator==(const RateFigures&) const = default;
};

// The rate of the stage worked, from the UTC stamps of its contacts (all modes). The stamps are
// read once per stage, grouped by minute through the stage's real-date index, and then kept up to
// date with each contact logged: Enter costs one map insertion, whatever the log's size.
class LogRate {
public:
    explicit LogRate(Database& log) : m_db(log) {}

    /// Reads the stamps of stage 1..4 (0: none) from the log again; false when it could not.
    bool reload(int stage);
    /// The stage last read.
    int stage() const { return m_stage; }
    /// A contact just logged into `stage` at `date` "dd.mm.yy", `utc` "hh:mm"; one of another
    /// stage, or without a readable stamp, is left out.
    void add(int stage, const QString& date, const QString& utc);
    /// The figures at `now`: the windows end at `now`, and a contact exactly 10 or 60 minutes
    /// back is out of them.
    RateFigures at(const QDateTime& now) const;
    /// The figures at the minute of the newest contact: a paper log typed in afterwards shows
    /// the rate of the times typed.
    RateFigures atNewest() const;

private:
    using Minute = qint64; // minutes since 1970, UTC
    RateFigures atMinute(Minute now) const;
    /// The contacts of the minutes `from` to `to`, both included.
    int countIn(Minute from, Minute to) const;
    /// The most contacts of any 60 minutes that begin at a stamp from `from` to `to`.
    int bestStartingIn(Minute from, Minute to) const;

    Database& m_db;
    int m_stage = 0;
    std::map<Minute, int> m_perMinute;
    int m_best = 0;
};
