#pragma once

#include "base/Outcome.h"
#include "store/Database.h"

#include <QDate>
#include <QString>

// A new contest is never logged into the last contest's log unasked: the log holds every contest
// worked since it was last emptied, and its contacts would count as duplicates and multipliers
// worked, continue its serials and go into the new Cabrillo file.
namespace ContestLog {

/// How many contacts the log holds and the dates of its oldest and newest one (invalid when no
/// contact has a readable date).
struct Span {
    qint64 count = 0;
    QDate oldest;
    QDate newest;
};

/// The span of the whole log.
[[nodiscard]] Outcome<Span> span(Database& log);

/// The question to ask before contest `code` starts on a log of `span`, when `lastCode` was the
/// contest of the previous hand-over (empty when unknown) and `today` is the UTC date; empty when
/// the log may be continued without asking: it is empty, or its newest contact is at most two
/// days old and of this contest.
QString question(const Span& span, const QString& code, const QString& lastCode, QDate today);

} // namespace ContestLog
