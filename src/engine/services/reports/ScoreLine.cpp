#include "services/reports/ScoreLine.h"

#include "services/reports/TabLine.h"

ScoreLine& ScoreLine::at(int column, const QString& text) {
    cells.append({column, text});
    return *this;
}

ScoreLine& ScoreLine::at(int column, qint64 number) {
    return at(column, TabLine::number(number));
}

QString ScoreLine::text() const {
    TabLine line;
    for (const auto& [column, text] : cells)
        line.at(column, text);
    return line.text();
}
