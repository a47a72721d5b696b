#include "services/reports/ReportTotals.h"

qint64 ReportTotals::partialScore(int n) const {
    return stage(n).points * stage(n).multipliers;
}

qint64 ReportTotals::pairScore(int a, int b) const {
    return (stage(a).points + stage(b).points) *
           (qint64(stage(a).multipliers) + stage(b).multipliers);
}

int ReportTotals::doublingFactor() const {
    return stage(1).qsos >= 1 && stage(2).qsos >= 1 ? 2 : 1;
}

StageTotals stageTotalsOf(const QList<LogRow>& rows, int stage) {
    const QString digit = QString::number(stage);
    StageTotals t;
    for (const LogRow& r : rows)
        if (r.stage.trimmed() == digit)
            countContact(t, r);
    return t;
}

void countContact(StageTotals& t, const LogRow& r) {
    ++t.qsos;
    t.points += r.points.trimmed().toLongLong(); // " 0" of a duplicate, or no number, adds 0
    if (!r.mult.trimmed().isEmpty())
        ++t.multipliers;
}

ReportTotals ReportTotals::of(const std::array<StageTotals, 4>& stages) {
    ReportTotals totals;
    totals.stages = stages;
    for (const StageTotals& t : stages) {
        totals.qsos += t.qsos;
        totals.points += t.points;
        totals.multipliers += t.multipliers;
    }
    return totals;
}
