#pragma once

#include "reports/LogExport.h"

#include <QElapsedTimer>
#include <QProgressDialog>

/// The progress of an export that takes longer than half a second, with a button to cancel it;
/// a cancelled export writes nothing.
class ExportProgressDialog {
public:
    explicit ExportProgressDialog(QWidget* parent);

    /// What the export reports to: moves the bar; false once the operator has cancelled.
    ExportProgress progress();

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_sinceUpdate;
};
