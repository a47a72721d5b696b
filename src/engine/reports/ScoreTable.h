#pragma once

#include "reports/ReportTotals.h"
#include "setup/ContestDef.h"

#include <QList>
#include <QString>
#include <utility>

/// One line of a summary's score table: texts at 1-based print columns.
struct ScoreLine {
    bool heading = false;
    QList<std::pair<int, QString>> cells;

    /// Adds `text` at `column`.
    ScoreLine& at(int column, const QString& text);
    /// Adds a number at `column`, with a blank in place of a positive sign.
    ScoreLine& at(int column, qint64 number);
    /// The cells laid out as a text line.
    QString text() const;
};

// The table of contacts, points, multipliers and score per stage, as each summary shows it.
namespace ScoreTable {
/// The table of the text summary file.
QList<ScoreLine> textTable(const ContestDef& def, const ReportTotals& totals);
/// The table of the printed summary sheet.
QList<ScoreLine> printedTable(const ContestDef& def, const ReportTotals& totals);
} // namespace ScoreTable
