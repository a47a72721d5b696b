#include "contact/LogRate.h"

#include "base/LogDate.h"

#include <QTimeZone>
#include <algorithm>
#include <optional>

namespace {
constexpr qint64 kHour = 60;
constexpr qint64 kTen = 10;

std::optional<qint64> minuteOf(QStringView date, QStringView utc) {
    const QDate d = LogDate::parseDate(date);
    const QTime t = LogDate::parseTime(utc);
    if (!d.isValid() || !t.isValid())
        return std::nullopt;
    return QDateTime(d, t, QTimeZone::utc()).toSecsSinceEpoch() / 60;
}
} // namespace

bool LogRate::reload(int stage) {
    m_stage = stage;
    m_perMinute.clear();
    m_best = 0;
    if (stage < 1 || stage > 4)
        return true;
    // The expressions of the stage's real-date index, so that the grouping reads the index only.
    static const QString sql =
        QStringLiteral("SELECT ") + LogDate::sqlDateKey() +
        QStringLiteral(", CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) ELSE '' "
                       "END, count(*) FROM LogGen WHERE Etp = ? GROUP BY 1, 2");
    auto q = m_db.select(sql, {QString::number(stage)});
    if (!q)
        return false;
    while (q->next()) {
        const QString key = q->value(0).toString(); // yymmdd
        if (key.size() != 6)
            continue;
        const QString date = key.mid(4, 2) + u'.' + key.mid(2, 2) + u'.' + key.left(2);
        if (const auto minute = minuteOf(date, q->value(1).toString()))
            m_perMinute[*minute] += q->value(2).toInt();
    }
    if (!m_perMinute.empty())
        m_best = bestStartingIn(m_perMinute.begin()->first, m_perMinute.rbegin()->first);
    return true;
}

void LogRate::add(int stage, const QString& date, const QString& utc) {
    const auto minute = minuteOf(date, utc);
    if (stage != m_stage || !minute)
        return;
    ++m_perMinute[*minute];
    // Only the 60 minutes that hold the new contact can have become the best.
    m_best = std::max(m_best, bestStartingIn(*minute - kHour + 1, *minute));
}

RateFigures LogRate::at(const QDateTime& now) const {
    if (!now.isValid())
        return {};
    // A window of n minutes ending at `now` holds the stamps of its last n whole minutes.
    return atMinute(now.toSecsSinceEpoch() / 60);
}

RateFigures LogRate::atNewest() const {
    if (m_perMinute.empty())
        return {};
    return atMinute(m_perMinute.rbegin()->first);
}

RateFigures LogRate::atMinute(Minute now) const {
    return {countIn(now - kTen + 1, now) * int(kHour / kTen), countIn(now - kHour + 1, now),
            m_best};
}

int LogRate::countIn(Minute from, Minute to) const {
    int n = 0;
    for (auto it = m_perMinute.lower_bound(from); it != m_perMinute.end() && it->first <= to; ++it)
        n += it->second;
    return n;
}

int LogRate::bestStartingIn(Minute from, Minute to) const {
    // The best 60 minutes begin at a stamp: any other window can move forward to the next stamp
    // and lose nothing. Two iterators walk the window's start and end once.
    int best = 0;
    int inWindow = 0;
    auto end = m_perMinute.lower_bound(from);
    for (auto start = end; start != m_perMinute.end() && start->first <= to; ++start) {
        while (end != m_perMinute.end() && end->first < start->first + kHour) {
            inWindow += end->second;
            ++end;
        }
        best = std::max(best, inWindow);
        inWindow -= start->second;
    }
    return best;
}
