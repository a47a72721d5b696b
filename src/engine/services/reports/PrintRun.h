#pragma once

#include "services/reports/PrintedLog.h"
#include "store/LogReader.h"

// The printed log of a stage read from the log a contact at a time, so that a screen can run it
// between its events: start(), step() until it returns false, then finish(); or cancel().
class PrintRun {
public:
    PrintRun(Database& logDb, PrintedLog&& log);
    /// An unfinished document is dropped.
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    /// Opens the stage and the printer, or says why either failed.
    [[nodiscard]] Outcome<void> start(int stage);
    /// Prints the next contact; false when there is none left or the log could not be read.
    bool step();
    /// After the last step: the TOTAL line and the printer's note, or why the print stopped.
    QString finish();
    /// The operator's cancel: the document is dropped.
    QString cancel();

private:
    LogReader m_reader;
    PrintedLog m_log;
    LogRow m_row;
    QString m_readError; // why the walk over the log broke off
    bool m_open = false; // a document is started and neither finished nor dropped
};
