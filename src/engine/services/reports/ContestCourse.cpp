#include "services/reports/ContestCourse.h"

#include "base/LogDate.h"
#include "services/reports/ClaimedScore.h"
#include "services/reports/ReportTotals.h"
#include "store/LogReader.h"

#include <QTimeZone>
#include <array>

namespace {
constexpr qint64 kStepSecs = qint64{ContestCourse::kStepMinutes} * 60;

// The course as it is walked: the running totals of each stage, closed into a step whenever the
// contacts pass into the next 10 minutes.
class Walk {
public:
    explicit Walk(const ContestDef& def) : m_def(def) {}

    void take(const LogRow& row, qint64 secs, int stage) {
        const qint64 stepStart = secs - secs % kStepSecs;
        if (m_steps.isEmpty())
            open(stepStart);
        while (m_steps.last().start.toSecsSinceEpoch() < stepStart)
            open(m_steps.last().start.toSecsSinceEpoch() + kStepSecs);
        countContact(m_stages[static_cast<size_t>(stage - 1)], row);
        CourseStep& step = m_steps.last();
        ++step.contacts;
        const ReportTotals totals = ReportTotals::of(m_stages);
        step.multipliers = static_cast<int>(totals.multipliers);
        step.score = claimedScoreOf(m_def, totals);
    }
    QList<CourseStep> steps() const { return m_steps; }

private:
    // A new step starts where the last one ended.
    void open(qint64 startSecs) {
        CourseStep step;
        step.start = QDateTime::fromSecsSinceEpoch(startSecs, QTimeZone::utc());
        if (!m_steps.isEmpty()) {
            step.multipliers = m_steps.last().multipliers;
            step.score = m_steps.last().score;
        }
        m_steps.append(step);
    }

    const ContestDef& m_def;
    std::array<StageTotals, 4> m_stages{};
    QList<CourseStep> m_steps;
};
} // namespace

namespace ContestCourse {

Outcome<QList<CourseStep>> read(Database& log, const ContestDef& def, int stage) {
    Walk walk(def);
    const Outcome<void> walked = LogReader(log).forEach(stage, [&](const LogRow& row) {
        const int s = row.stage.trimmed().toInt();
        const QDate date = LogDate::parseDate(row.date);
        const QTime time = LogDate::parseTime(row.utc);
        if (s < 1 || s > 4 || !date.isValid() || !time.isValid())
            return; // the totals leave out a row of no stage; the time axis one of no stamp
        walk.take(row, QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch(), s);
    });
    if (!walked)
        return Failure{walked.error()};
    return walk.steps();
}

} // namespace ContestCourse
