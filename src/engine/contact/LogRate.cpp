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
    if (stage < 1 || stage > 4)
        return true;
    const std::optional<Mark> now = markNow();
    if (!now || now != m_mark) {
        m_stages = {};
        m_mark = now;
    }
    std::optional<Stamps>& kept = m_stages[static_cast<size_t>(stage - 1)];
    if (!kept)
        kept = read(stage);
    return kept.has_value();
}

bool LogRate::readAgain() {
    m_mark.reset();
    return reload(m_stage);
}

bool LogRate::add(int stage, const QString& date, const QString& utc) {
    // The kept stamps stay right only when this contact is the log's one change since they were.
    const std::optional<Mark> now = markNow();
    if (!now || !m_mark || now->otherCommits != m_mark->otherCommits ||
        now->rows != m_mark->rows + 1 || now->newestId <= m_mark->newestId)
        return readAgain();
    m_mark = now;
    const auto minute = minuteOf(date, utc);
    if (stage < 1 || stage > 4 || !minute)
        return true;
    std::optional<Stamps>& kept = m_stages[static_cast<size_t>(stage - 1)];
    if (!kept)
        return true;
    ++kept->perMinute[*minute];
    // Only the 60 minutes that hold the new contact can have become the best.
    kept->best = std::max(kept->best, bestStartingIn(*kept, *minute - kHour + 1, *minute));
    return true;
}

RateFigures LogRate::at(const QDateTime& now) const {
    const Stamps* stamps = shown();
    if (!now.isValid() || !stamps)
        return {};
    // A window of n minutes ending at `now` holds the stamps of its last n whole minutes.
    return atMinute(*stamps, now.toSecsSinceEpoch() / 60);
}

RateFigures LogRate::atNewest() const {
    const Stamps* stamps = shown();
    if (!stamps || stamps->perMinute.empty())
        return {};
    return atMinute(*stamps, stamps->perMinute.rbegin()->first);
}

std::optional<LogRate::Mark> LogRate::markNow() const {
    const QVariant commits = m_db.scalar(QStringLiteral("PRAGMA data_version"));
    std::optional<Mark> mark;
    const Outcome<void> read = m_db.eachRow(
        QStringLiteral("SELECT (SELECT max(ID) FROM LogGen), (SELECT total(Qsos) FROM LogTotals)"),
        {}, [&](const QSqlQuery& q) {
            mark = Mark{commits.toLongLong(), q.value(0).toLongLong(), q.value(1).toLongLong()};
        });
    if (!commits.isValid() || !read)
        return std::nullopt;
    return mark;
}

std::optional<LogRate::Stamps> LogRate::read(int stage) const {
    // The expressions of the stage's real-date index, so that the grouping reads the index only.
    static const QString sql =
        QStringLiteral("SELECT ") + LogDate::sqlDateKey() +
        QStringLiteral(", CASE WHEN trim(UTC) GLOB '[0-9][0-9]:[0-9][0-9]' THEN trim(UTC) ELSE '' "
                       "END, count(*) FROM LogGen WHERE Etp = ? GROUP BY 1, 2");
    auto q = m_db.select(sql, {QString::number(stage)});
    if (!q)
        return std::nullopt;
    Stamps stamps;
    while (q->next()) {
        const QString key = q->value(0).toString(); // yymmdd
        if (key.size() != 6)
            continue;
        const QString date = key.mid(4, 2) + u'.' + key.mid(2, 2) + u'.' + key.left(2);
        if (const auto minute = minuteOf(date, q->value(1).toString()))
            stamps.perMinute[*minute] += q->value(2).toInt();
    }
    if (!stamps.perMinute.empty())
        stamps.best = bestStartingIn(stamps, stamps.perMinute.begin()->first,
                                     stamps.perMinute.rbegin()->first);
    return stamps;
}

const LogRate::Stamps* LogRate::shown() const {
    if (m_stage < 1 || m_stage > 4 || !m_stages[static_cast<size_t>(m_stage - 1)])
        return nullptr;
    return &*m_stages[static_cast<size_t>(m_stage - 1)];
}

RateFigures LogRate::atMinute(const Stamps& stamps, Minute now) {
    return {countIn(stamps, now - kTen + 1, now) * int(kHour / kTen),
            countIn(stamps, now - kHour + 1, now), stamps.best};
}

int LogRate::countIn(const Stamps& stamps, Minute from, Minute to) {
    int n = 0;
    for (auto it = stamps.perMinute.lower_bound(from);
         it != stamps.perMinute.end() && it->first <= to; ++it)
        n += it->second;
    return n;
}

int LogRate::bestStartingIn(const Stamps& stamps, Minute from, Minute to) {
    // The best 60 minutes begin at a stamp: any other window can move forward to the next stamp
    // and lose nothing. Two iterators walk the window's start and end once.
    const std::map<Minute, int>& m = stamps.perMinute;
    int best = 0;
    int inWindow = 0;
    auto end = m.lower_bound(from);
    for (auto start = end; start != m.end() && start->first <= to; ++start) {
        while (end != m.end() && end->first < start->first + kHour) {
            inWindow += end->second;
            ++end;
        }
        best = std::max(best, inWindow);
        inWindow -= start->second;
    }
    return best;
}
