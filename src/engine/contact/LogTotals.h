#pragma once

#include "contact/ContactViews.h"
#include "rules/ContestRun.h"
#include "store/LogStore.h"

#include <QSet>
#include <QStringList>
#include <array>

// The totals the QSO screen shows, always counted from the log: contacts, multipliers and
// points per stage, and the counties worked in a stage.
class LogTotals {
public:
    LogTotals(const ContestRun& run, LogStore& log) : m_run(run), m_log(log) {}

    /// Recounts the four stages from the log into the totals; false when it failed.
    bool recount();
    /// The results table, the current stage first.
    std::array<ResultRow, 4> resultRows() const;
    /// Stages 1A..2B as last counted.
    const std::array<StageTotals, 4>& stages() const { return m_stages; }
    /// The county board's codes among the multipliers `held`, greyed on the board; none when
    /// the log could not be read.
    QStringList workedBoard(const Outcome<QSet<QString>>& held) const;

private:
    const ContestRun& m_run;
    LogStore& m_log;
    std::array<StageTotals, 4> m_stages;
};
