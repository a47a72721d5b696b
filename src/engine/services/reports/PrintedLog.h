#pragma once

#include "base/Outcome.h"
#include "rules/ContestDef.h"
#include "services/reports/ReportTotals.h"
#include "store/LogRow.h"

#include <QList>

class PrintSink;

// The printed log of one stage: pages of 46 contacts under a heading, then the TOTAL line.
class PrintedLog {
public:
    static constexpr int kRowsPerPage = 46;

    PrintedLog(PrintSink& sink, const ContestDef& def, const QString& myCall, const QString& yy);

    /// Prints the contacts of `stage` (1..4) from `stageRows`; the printer's closing note, or why
    /// it could not start.
    Outcome<QString> print(int stage, const QList<LogRow>& stageRows);
    /// The same, a contact at a time: begin() (failed when the printer could not start), add()
    /// for each contact in order, then finish() for the TOTAL line and the printer's note, or
    /// abort() to drop the document.
    Outcome<void> begin(int stage);
    void add(const LogRow& row);
    QString finish();
    void abort();
    /// The page heading: title, stage caption and column titles.
    void printHeading(int stage);
    /// One contact with its running number.
    void printRow(int number, const LogRow& row);
    /// The caption of stage 1..4: " Etapa 1/1", " Etapa 1/2", " Etapa 2/1", " Etapa 2/2".
    static QString stageCaption(int stage);

private:
    void totalLine();

    PrintSink& m_sink;
    ContestDef m_def;
    QString m_myCall;
    QString m_yy;
    int m_stage = 0;
    int m_printed = 0;
    StageTotals m_totals; // of the contacts printed so far
};
