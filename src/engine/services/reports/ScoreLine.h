#pragma once

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
