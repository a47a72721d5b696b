#include "refdata/CallsignDb.h"
#include "screens/ScreenLayout.h"
#include "screens/reports/LogViewWindow.h"
#include "seams/Dialogs.h"
#include "setup/AppState.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <cmath>

// The callsign-county table: viewed sorted by callsign, extended by hand.

void LogViewWindow::showCallsignTable() {
    m_state.gridOwner = AppState::kGridOwnerLogView;
    ui.Frame4->hide();
    ui.Frame7->hide();
    loadCallsignTable();
}

void LogViewWindow::loadCallsignTable() {
    Outcome<QSqlQuery> table = CallsignDb(m_services.callDb).sortedByCallsign();
    if (!table) {
        tell(table.error());
        return;
    }
    m_callModel->setQuery(*std::move(table)); // fetches only the rows the grid shows
    sizeCallsignColumns();
}

void LogViewWindow::sizeCallsignColumns() {
    ui.DBGrid1->hide();
    ui.DBGrid5->show();
    const int widths[] = {0, 900, 400};
    int scaled[3];
    for (int c = 0; c < 3; ++c)
        scaled[c] = static_cast<int>(std::lround(widths[c] * m_state.scaleX));
    ScreenLayout::setColumnWidths(ui.DBGrid5, scaled);
}

void LogViewWindow::showAddCallsignChoice() {
    ui.Frame7->show();
    ui.Frame4->hide();
    ui.Frame1->hide();
}

void LogViewWindow::startAddingCallsign() {
    ui.Frame8->show();
    ui.Frame7->show();
    for (QWidget* w : std::initializer_list<QWidget*>{ui.Frame1, ui.Frame2, ui.Frame3, ui.Frame4,
                                                      ui.Frame5, ui.Frame6, ui.CmdGata})
        w->hide();
    ui.TxtCountry->setFocus(Qt::OtherFocusReason);
}

void LogViewWindow::confirmAddCallsign() {
    if (!ask(QStringLiteral("VRETI SA INSERTATI ?"), QStringLiteral("INTRODUCERE DATE"))) {
        reset();
        return;
    }
    addTypedCallsign();
}

void LogViewWindow::addTypedCallsign() {
    CallsignDb db(m_services.callDb);
    if (const Outcome<void> added = db.addByHand(ui.TxtCountry->text(), ui.TxtCont->text());
        !added) {
        // Nothing was inserted: the boxes keep what was typed, to be corrected.
        tell(added.error(), QStringLiteral("INTRODUCERE DATE"));
        ui.TxtCountry->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_services.dialogs.message(QStringLiteral("OK?"), QStringLiteral("OK ? "), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Question);
    reset();
}
