#include "services/reports/ScoreTable.h"

#include "rules/StageName.h"
#include "services/reports/TabLine.h"

#include <optional>

namespace {

using Score = std::optional<qint64>;

// Where the columns of a table stand: heading titles and the stage rows.
struct Columns {
    int title;     // "Etapa"
    int firstHead; // "No.QSO"; the other titles follow every 10 columns
    int name;      // stage name of a row; the numbers follow at 24, 34, 44, 54
};

ScoreLine heading(const Columns& c, bool multipliers) {
    ScoreLine l{true, {}};
    l.at(c.title, QStringLiteral("Etapa"))
        .at(c.firstHead, QStringLiteral("No.QSO"))
        .at(c.firstHead + 10, QStringLiteral("Pcte"));
    if (multipliers)
        l.at(c.firstHead + 20, QStringLiteral("Mult."))
            .at(c.firstHead + 30, QStringLiteral("Scor"));
    return l;
}

ScoreLine stageRow(const Columns& c, const ReportTotals& t, int n, Score score = {}) {
    ScoreLine l;
    l.at(c.name, stageName(n)).at(24, t.stage(n).qsos).at(34, t.stage(n).points);
    l.at(44, t.stage(n).multipliers);
    if (score)
        l.at(54, *score);
    return l;
}

ScoreLine namesRow(const Columns& c, const ReportTotals& t, int n) {
    ScoreLine l;
    l.at(c.name, stageName(n)).at(24, t.stage(n).qsos).at(34, t.stage(n).points);
    return l;
}

qint64 qsos2(const ReportTotals& t) {
    return qint64(t.stage(1).qsos) + t.stage(2).qsos;
}
qint64 points2(const ReportTotals& t) {
    return t.stage(1).points + t.stage(2).points;
}
qint64 mults2(const ReportTotals& t) {
    return qint64(t.stage(1).multipliers) + t.stage(2).multipliers;
}
qint64 perStage(const ReportTotals& t, int stages) {
    qint64 sum = 0;
    for (int n = 1; n <= stages; ++n)
        sum += t.partialScore(n);
    return sum;
}

ScoreLine total(int column) {
    ScoreLine l;
    l.at(column, QStringLiteral("TOTAL"));
    return l;
}

// The TOTAL row with every column: contacts, points, multipliers and the score.
ScoreLine fullTotal(const ReportTotals& t, bool stage1Only, int scoreColumn, qint64 score) {
    ScoreLine l = total(10);
    l.at(24, stage1Only ? qint64(t.stage(1).qsos) : qsos2(t))
        .at(34, stage1Only ? t.stage(1).points : points2(t))
        .at(44, stage1Only ? qint64(t.stage(1).multipliers) : mults2(t))
        .at(scoreColumn, score);
    return l;
}

} // namespace

namespace ScoreTable {

QList<ScoreLine> textTable(const ContestDef& def, const ReportTotals& t) {
    const Columns c{10, 24, 10};
    QList<ScoreLine> lines;
    if (def.report.summaryHeading)
        lines << heading(c, def.report.hasMultipliers());
    switch (def.report.summary) {
    case SummaryTable::Names:
        lines << namesRow(c, t, 1) << namesRow(c, t, 2)
              << total(10).at(24, qsos2(t)).at(34, points2(t));
        break;
    case SummaryTable::CampNat:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2, t.pairScore(1, 2)) << stageRow(c, t, 3)
              << stageRow(c, t, 4, t.pairScore(3, 4))
              << total(10).at(23, t.qsos).at(54, t.pairScore(1, 2) + t.pairScore(3, 4));
        break;
    case SummaryTable::FourStages:
        for (int n = 1; n <= 4; ++n)
            lines << stageRow(c, t, n, t.partialScore(n));
        lines << total(10).at(23, t.qsos).at(54, perStage(t, 4));
        break;
    case SummaryTable::PerStage:
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2, t.partialScore(2))
              << fullTotal(t, false, 55, perStage(t, 2));
        break;
    case SummaryTable::PerStageNoTotal:
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2, t.partialScore(2));
        break;
    case SummaryTable::Independence:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2, t.partialScore(2))
              << fullTotal(t, false, 55, t.partialScore(1));
        break;
    case SummaryTable::Doubling:
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2, t.partialScore(2))
              << total(10).at(54, perStage(t, 2) * t.doublingFactor());
        break;
    case SummaryTable::Combined:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2)
              << fullTotal(t, false, 54, t.pairScore(1, 2));
        break;
    case SummaryTable::SingleStage:
        lines << stageRow(c, t, 1) << fullTotal(t, true, 55, t.partialScore(1));
        break;
    }
    return lines;
}

QList<ScoreLine> printedTable(const ContestDef& def, const ReportTotals& t) {
    const Columns c{12, 20, 14};
    QList<ScoreLine> lines;
    if (!def.report.hasMultipliers()) {
        ScoreLine h{true, {}};
        h.at(12, QStringLiteral("Etapa"))
            .at(20, QStringLiteral("No.QSO"))
            .at(30, QStringLiteral("Pcte"))
            .at(40, QStringLiteral("Scor"));
        lines << h;
    } else {
        lines << heading(c, true);
    }
    const auto stage1Total = [&t] {
        return total(12)
            .at(24, t.stage(1).qsos)
            .at(34, t.stage(1).points)
            .at(44, t.stage(1).multipliers)
            .at(54, t.partialScore(1));
    };
    switch (def.report.printed) {
    case PrintedTable::Names:
        lines << namesRow(c, t, 1) << namesRow(c, t, 2)
              << total(12).at(21, qsos2(t)).at(40, points2(t));
        break;
    case PrintedTable::CampNat:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2, t.pairScore(1, 2)) << stageRow(c, t, 3)
              << stageRow(c, t, 4, t.pairScore(3, 4))
              << total(12).at(21, t.qsos).at(49, t.pairScore(1, 2) + t.pairScore(3, 4));
        break;
    case PrintedTable::FourStages:
        for (int n = 1; n <= 4; ++n)
            lines << stageRow(c, t, n, t.partialScore(n));
        lines << total(12).at(49, perStage(t, 4));
        break;
    case PrintedTable::PerStage:
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2, t.partialScore(2))
              << total(12).at(22, qsos2(t)).at(50, perStage(t, 2));
        break;
    case PrintedTable::PerStageNoTotal:
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2, t.partialScore(2));
        break;
    case PrintedTable::Doubling: {
        const qint64 sum = perStage(t, 2);
        const int factor = t.doublingFactor();
        lines << stageRow(c, t, 1, t.partialScore(1)) << stageRow(c, t, 2)
              << total(10).at(50, TabLine::number(sum) + QStringLiteral(" * ") +
                                      QString::number(factor) + QStringLiteral(" = ") +
                                      QString::number(sum * factor));
        break;
    }
    case PrintedTable::Combined:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2)
              << total(12)
                     .at(22, qsos2(t))
                     .at(32, points2(t))
                     .at(41, mults2(t))
                     .at(50, t.pairScore(1, 2));
        break;
    case PrintedTable::TwoRowsStage1:
        lines << stageRow(c, t, 1) << stageRow(c, t, 2) << stage1Total();
        break;
    case PrintedTable::SingleStage:
        lines << stageRow(c, t, 1) << stage1Total();
        break;
    }
    return lines;
}

} // namespace ScoreTable
