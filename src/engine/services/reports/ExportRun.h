#pragma once

#include "base/LineEncoder.h"
#include "base/Outcome.h"
#include "base/SafeFile.h"
#include "base/WrittenFile.h"
#include "services/reports/ExportLayout.h"
#include "store/LogReader.h"

#include <functional>
#include <optional>

class Database;

// One output file written from the log a contact at a time, so that a screen can run it between
// its events: start(), step() until it returns false, then finish(); or cancel() at any point.
// The file takes its place only when whole; a run dropped unfinished leaves the old file as it was.
class ExportRun {
public:
    /// What follows a whole file (the text log's summary); its answer is the run's.
    using Then = std::function<Outcome<WrittenFile>(const WrittenFile&)>;

    ExportRun(Database& logDb, QString path, ExportLayout layout, Then then = {});
    /// A run that writes nothing and answers `reason`.
    ExportRun(Database& logDb, QString reason);

    /// Opens the log and the file and writes the lines before the contacts; false when it failed.
    bool start();
    /// Writes the next contact; false when there is none left or the file broke off.
    bool step();
    /// After the last step: the lines after the contacts, the file put in place; what was
    /// written, or the first reason it was not.
    Outcome<WrittenFile> finish();
    /// The operator's cancel: nothing written, the old file as it was.
    Outcome<WrittenFile> cancel();
    /// start(), every step() and finish() at once.
    Outcome<WrittenFile> whole();

private:
    Outcome<void> put(const QString& line);
    /// True when `step` went well; otherwise keeps its reason, the run's first.
    bool passed(const Outcome<void>& step);

    LogReader m_reader;
    QString m_path;
    ExportLayout m_layout;
    Then m_then;
    std::optional<SafeFile> m_file;
    LineEncoder m_encoder;
    ExportLayout::PutLine m_put;
    WrittenFile m_written;
    LogRow m_row;
    qint64 m_rows = 0;
    QString m_error; // the refusal, or the first reason the run failed
    bool m_running = false;
    bool m_atEnd = false; // every contact read
};
