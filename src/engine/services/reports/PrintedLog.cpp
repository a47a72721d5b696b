#include "services/reports/PrintedLog.h"

#include "base/seams/PrintSink.h"
#include "services/reports/ReportTotals.h"
#include "services/reports/RowBuffer.h"
#include "services/reports/Summary.h"
#include "services/reports/TabLine.h"

#include <algorithm>

namespace {
const QString kArial = QStringLiteral("Arial");
}

PrintedLog::PrintedLog(PrintSink& sink, const ContestDef& def, const QString& myCall,
                       const QString& yy)
    : m_sink(sink), m_def(def), m_myCall(myCall), m_yy(yy) {}

QString PrintedLog::stageCaption(int stage) {
    return QStringLiteral(" Etapa %1/%2").arg((stage + 1) / 2).arg(2 - stage % 2);
}

void PrintedLog::printHeading(int stage) {
    m_sink.setFont(kArial, 16, false);
    for (int i = 0; i < 3; ++i)
        m_sink.newLine();
    m_sink.textAt(5, Summary::titleLine(m_def.report.printTitle, m_yy, m_myCall) +
                         stageCaption(stage));
    m_sink.newLine();
    m_sink.newLine();
    m_sink.setFont(kArial, 10, false);
    m_sink.textAt(5, QStringLiteral("Nr."));
    m_sink.textAt(10, QStringLiteral("Data"));
    m_sink.textAt(24, QStringLiteral("UTC"));
    m_sink.textAt(33, QStringLiteral("Mode"));
    m_sink.textAt(40, QStringLiteral("Callsign"));
    m_sink.textAt(53, QStringLiteral("Sent"));
    if (m_def.report.hasMultipliers()) {
        m_sink.textAt(67, QStringLiteral("Rcvd"));
        m_sink.textAt(81, QStringLiteral("Mult"));
        m_sink.textAt(87, QStringLiteral("Pct"));
    } else {
        m_sink.textAt(76, QStringLiteral("Rcvd"));
        m_sink.textAt(99, QStringLiteral("Pct"));
    }
    m_sink.newLine();
    m_sink.newLine();
}

void PrintedLog::printRow(int number, const LogRow& row) {
    const RowBuffer b(row);
    const bool mults = m_def.report.hasMultipliers();
    const QString callsign = b.callsign.trimmed();
    // A callsign longer than its column moves the rest of its line right instead of being cut.
    const int shift = std::max(0, int(callsign.size()) - (53 - 40 - 1));
    QList<std::pair<int, QString>> cells{{5, QString::number(number)},
                                         {10, b.date.trimmed()},
                                         {24, b.time.trimmed()},
                                         {33, b.mode.trimmed()},
                                         {40, callsign},
                                         {53 + shift, b.sent.trimmed()},
                                         {(mults ? 67 : 76) + shift, b.received.trimmed()}};
    if (mults)
        cells.append({81 + shift, b.mult.trimmed()});
    cells.append({(mults ? 87 : 99) + shift, b.points.trimmed()});
    for (const auto& [column, text] : cells)
        if (!text.isEmpty()) // a contact without a multiplier leaves its column blank
            m_sink.textAt(column, text);
    m_sink.newLine();
}

void PrintedLog::totalLine() {
    m_sink.newLine();
    m_sink.setFont(kArial, 10, true);
    if (m_def.report.hasMultipliers()) {
        m_sink.textAt(47, QStringLiteral("TOTAL"));
        m_sink.textAt(77, TabLine::number(m_totals.multipliers));
        m_sink.textAt(81, TabLine::number(m_totals.points));
    } else {
        m_sink.textAt(50, QStringLiteral("TOTAL"));
        m_sink.textAt(87, TabLine::number(m_totals.points));
    }
    m_sink.newLine();
    m_sink.setFont(kArial, 10, false);
}

Outcome<void> PrintedLog::begin(int stage) {
    if (Outcome<void> started = startDocument(m_sink, m_myCall + stageCaption(stage)); !started)
        return started;
    m_stage = stage;
    m_printed = 0;
    m_totals = {};
    printHeading(stage);
    return {};
}

void PrintedLog::add(const LogRow& row) {
    if (m_printed > 0 && m_printed % kRowsPerPage == 0) {
        m_sink.newPage();
        printHeading(m_stage);
    }
    printRow(++m_printed, row);
    const StageTotals t = stageTotalsOf({row}, m_stage);
    m_totals.qsos += t.qsos;
    m_totals.points += t.points;
    m_totals.multipliers += t.multipliers;
}

QString PrintedLog::finish() {
    if (m_printed > 0)
        totalLine();
    return m_sink.end();
}

void PrintedLog::abort() {
    m_sink.abort();
}

Outcome<QString> PrintedLog::print(int stage, const QList<LogRow>& stageRows) {
    if (const Outcome<void> started = begin(stage); !started)
        return Failure{started.error()};
    for (const LogRow& row : stageRows)
        add(row);
    return finish();
}
