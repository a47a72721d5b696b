#pragma once

#include "base/Outcome.h"
#include "rules/ContestDef.h"
#include "store/Database.h"

#include <QDateTime>
#include <QList>

/// Ten minutes of the contest's course.
struct CourseStep {
    QDateTime start;     // UTC
    int contacts = 0;    // logged in these 10 minutes
    int multipliers = 0; // worked by their end
    qint64 score = 0;    // claimed by their end
};

// The contest's course for its chart: the contacts of every 10 minutes from the first contact's
// to the last one's, and the multipliers and the score as they grew. The score is the claimed
// score of the contest's own formula over the contacts logged so far, counted as the totals count
// them; a stage alone is scored as if it were the only one worked.
namespace ContestCourse {
inline constexpr int kStepMinutes = 10;

/// The course of the whole log (stage 0) or of stage 1..4. A contact without a readable date and
/// time has no place on it and is left out.
[[nodiscard]] Outcome<QList<CourseStep>> read(Database& log, const ContestDef& def, int stage);
} // namespace ContestCourse
