#pragma once

#include "store/LogRow.h"
#include "store/StageTotals.h"

#include <QList>
#include <array>

/// The per-stage totals of the log and the overall sums over the four stages.
struct ReportTotals {
    std::array<StageTotals, 4> stages{};
    qint64 qsos = 0;
    qint64 points = 0;
    qint64 multipliers = 0;

    const StageTotals& stage(int n) const { return stages[static_cast<size_t>(n - 1)]; }
    /// Pn x Mn of stage n (1..4).
    qint64 partialScore(int n) const;
    /// (Pa + Pb) x (Ma + Mb) of two stages scored together.
    qint64 pairScore(int a, int b) const;
    /// 2 when both stage 1A and stage 1B have contacts, 1 otherwise.
    int doublingFactor() const;
    /// The totals of the four stages 1A..2B and their sums.
    static ReportTotals of(const std::array<StageTotals, 4>& stages);
};

/// Contacts, points and multipliers of stage 1..4 among `rows` (rows of other stages are skipped).
StageTotals stageTotalsOf(const QList<LogRow>& rows, int stage);
/// Counts the contact `r` into `t`: one contact, its points, and a multiplier when it holds one.
void countContact(StageTotals& t, const LogRow& r);
