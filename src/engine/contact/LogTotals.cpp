#include "contact/LogTotals.h"

#include "rules/CountyBoard.h"
#include "rules/StageName.h"

#include <algorithm>

bool LogTotals::recount() {
    const auto totals = m_log.stageTotals();
    if (!totals)
        return false;
    m_stages = *totals;
    return true;
}

std::array<ResultRow, 4> LogTotals::resultRows() const {
    static const int order[4][4] = {{1, 2, 3, 4}, {2, 1, 3, 4}, {3, 1, 2, 4}, {4, 1, 2, 3}};
    const int current = qBound(1, stageNumber(m_run.stage()), 4);
    std::array<ResultRow, 4> rows;
    for (int i = 0; i < 4; ++i) {
        const int s = order[current - 1][i];
        const StageTotals& t = m_stages[static_cast<size_t>(s - 1)];
        rows[i] = {stageName(s), QString::number(t.qsos), QString::number(t.multipliers),
                   QString::number(t.points)};
    }
    return rows;
}

QStringList LogTotals::workedBoard(const Outcome<QSet<QString>>& held) const {
    QStringList grey;
    if (!held)
        return grey;
    for (const QString& mult : *held)
        if (QString label = CountyBoard::greyLabel(m_run.contest(), mult); !label.isEmpty())
            grey << std::move(label);
    grey.sort(); // a set has no order of its own
    grey.erase(std::unique(grey.begin(), grey.end()), grey.end());
    return grey;
}
