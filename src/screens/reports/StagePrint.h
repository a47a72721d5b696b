#pragma once

#include "reports/LogReader.h"
#include "reports/PrintedLog.h"

#include <QDialog>
#include <QTimer>

class QProgressBar;

// The printed log of a stage, made a slice at a time between the program's events: the contacts
// are read from the log as they are printed, the progress shows at once and "Anuleaza" stops it.
// The window under it waits (window-modal) but is never frozen.
class StagePrint : public QDialog {
    Q_OBJECT
public:
    StagePrint(Database& logDb, PrintedLog&& log, QWidget* parent);
    ~StagePrint() override;

    /// Starts printing the `total` contacts of `stage`; false, with the reason in `note`, when
    /// the printer or the log could not start.
    bool start(int stage, int total, QString& note);
    /// The operator's cancel: the document is dropped.
    void reject() override;

signals:
    /// The print ended, whole, cancelled or broken off; what the operator is told.
    void ended(const QString& note);

private:
    void printSlice();
    void stop(const QString& note);

    LogReader m_reader;
    PrintedLog m_log;
    QProgressBar* m_bar;
    QTimer m_slices;
    int m_printed = 0;
    bool m_running = false;
};
