#include "base/seams/Dialogs.h"
#include "rules/ContestRun.h"
#include "rules/GridColumns.h"
#include "screens/ScreenLayout.h"
#include "screens/Widgets.h"
#include "screens/reports/ContestChartWindow.h"
#include "screens/reports/LogByDateModel.h"
#include "screens/reports/LogViewWindow.h"
#include "screens/reports/SlicedWork.h"
#include "services/reports/PrintRun.h"
#include "services/reports/PrintedLog.h"
#include "store/ChangeAfterCopy.h"
#include "store/Database.h"
#include "store/LogStore.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

namespace {
// The longest a step waits for the copy: the window answers between steps.
constexpr int kCopyWaitMs = 10;
} // namespace

// ---- totals and the log grid ----

bool LogViewWindow::readTotals() {
    const auto stages = LogStore(m_services.logDb).stageTotals();
    if (!stages) {
        m_totals = {};
        m_services.dialogs.tell({stages.error(), Dialogs::Icon::None, {}});
        return false;
    }
    m_totals = ReportTotals::of(*stages);
    return true;
}

void LogViewWindow::showTotals(int stage) {
    const bool whole = stage == 0;
    ui.contactsBox->setText(QString::number(whole ? m_totals.qsos : m_totals.stage(stage).qsos));
    ui.multipliersBox->setText(
        QString::number(whole ? m_totals.multipliers : m_totals.stage(stage).multipliers));
    ui.pointsBox->setText(QString::number(whole ? m_totals.points : m_totals.stage(stage).points));
}

// The model has chosen the grid; the rows are read and the grid shown at its last row.
void LogViewWindow::bindLog(int stage) {
    const Outcome<void> bound = m_logModel->show(stage);
    render();
    if (!bound) {
        m_services.dialogs.tell({bound.error(), Dialogs::Icon::None, {}});
        return;
    }
    ui.logGrid->scrollToBottom();
    sizeLogColumns();
}

void LogViewWindow::sizeLogColumns() {
    ScreenLayout::setColumnWidths(
        ui.logGrid,
        GridColumns::columnWidths(m_layout.scaleX, m_run.contest().exchangesNames(), true));
}

// ---- VIEW and PRINT choices ----

void LogViewWindow::viewChoice(int stage) {
    m_model.viewStage(stage);
    readTotals();
    showTotals(stage);
    bindLog(stage);
}

void LogViewWindow::printChoice(int stage) {
    m_model.printStage(stage);
    readTotals();
    showTotals(stage);
    bindLog(stage);
    if (!m_model.asksForPrinter())
        return;
    if (!printerReady()) {
        m_model.printerDeclined();
        render();
        return;
    }
    const ContestRun& s = m_run;
    auto print = std::make_shared<PrintRun>(
        m_services.logDb,
        PrintedLog(m_services.printer, s.contest(), s.settings().myCall, m_model.twoDigitYear()));
    const auto tellPrinted = [this](const QString& note) {
        if (!note.isEmpty())
            m_services.dialogs.tell({note, Dialogs::Icon::None, QStringLiteral("TIPARIRE")});
    };
    if (const Outcome<void> started = print->start(stage); !started)
        return tellPrinted(started.error());
    SlicedWork::run(
        this, QStringLiteral("TIPARIRE"), QStringLiteral("Se tipareste logul ..."),
        m_totals.stage(stage).qsos, [print] { return print->step(); },
        [print, tellPrinted](bool cancelled) {
            tellPrinted(cancelled ? print->cancel() : print->finish());
        });
}

bool LogViewWindow::printerReady() {
    return m_services.dialogs.ask(QStringLiteral("PRINTERUL ESTE PREGATIT PT. TIPARIRE ?"),
                                  QStringLiteral("TIPARIRE"));
}

// ---- deleting one contact ----

void LogViewWindow::contactSelected() {
    m_model.contactSelected();
    render();
}

void LogViewWindow::deleteSelectedContact() {
    if (!m_services.dialogs.ask(QStringLiteral("VRETI SA STERGETI ?"),
                                QStringLiteral("STERGERE ?"))) {
        reset();
        return;
    }
    m_model.contactDeletionConfirmed();
    // Only a contact the operator selected in the log grid on screen; a row left selected in it
    // while the callsign table is shown is not what the operator sees.
    const QModelIndexList selected = ui.logGrid->isVisible() && ui.logGrid->selectionModel()
                                         ? ui.logGrid->selectionModel()->selectedRows()
                                         : QModelIndexList();
    if (selected.isEmpty()) {
        m_services.dialogs.tell(
            {QStringLiteral("SELECTATI IN LOG CONTACTUL DE STERS !"), Dialogs::Icon::None, {}});
    } else {
        const qint64 id = m_logModel->idAt(selected.first().row());
        if (const Outcome<void> removed = LogStore(m_services.logDb).remove(id); !removed)
            m_services.dialogs.tell(
                {QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") + removed.error(),
                 Dialogs::Icon::None,
                 {}});
        readTotals();
        showTotals(m_model.gridStage());
        bindLog(m_model.gridStage());
    }
    render();
}

// ---- deleting the whole log ----

void LogViewWindow::askToDeleteLog() {
    m_model.deleteLogChosen();
    bindLog(0);
    if (m_services.dialogs.ask(QStringLiteral("VRETI SA STERGETI LOGUL GENERAL ?"),
                               QStringLiteral("STERGERE?"))) {
        deleteLog();
        return;
    }
    m_model.deleteLogDeclined();
    render();
}

void LogViewWindow::deleteLog() {
    // The copy kept first takes long on a large log: it is made on a worker thread, and nothing
    // else may write to the log until the log is emptied, so every window waits.
    auto change =
        std::make_shared<ChangeAfterCopy>(m_services.logDb, LogStore(m_services.logDb).emptying());
    if (const Outcome<void> started = change->start(); !started)
        return logDeleted(started);
    SlicedWork::run(
        this, QStringLiteral("STERGERE"), QStringLiteral("Se pastreaza o copie a logului ..."), 100,
        [change] { return change->copying(kCopyWaitMs); },
        [this, change](bool cancelled) {
            if (!cancelled)
                return logDeleted(change->finish());
            change->cancel();
            m_services.dialogs.tell(
                {QStringLiteral("STERGEREA LOGULUI A FOST OPRITA. NU S-A SCHIMBAT NIMIC."),
                 Dialogs::Icon::None,
                 {}});
            logDeleted({});
        },
        [change] { return change->percent(); }, Qt::ApplicationModal);
}

void LogViewWindow::logDeleted(const Outcome<void>& removed) {
    if (!removed)
        m_services.dialogs.tell({QStringLiteral("LOGUL NU A PUTUT FI STERS: ") + removed.error(),
                                 Dialogs::Icon::None,
                                 {}});
    m_model.logDeleted();
    bindLog(0);
}

// ---- the contest's course ----

void LogViewWindow::showChart() {
    if (!m_chart)
        m_chart = new ContestChartWindow(m_services, this);
    const int shown = m_model.gridStage();
    m_chart->showCourse(shown >= 0 ? shown : stageNumber(m_run.stage()), m_model.twoDigitYear());
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}
