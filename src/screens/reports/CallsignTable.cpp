#include "base/seams/Dialogs.h"
#include "rules/ContestRun.h"
#include "screens/ScreenLayout.h"
#include "screens/reports/LogViewWindow.h"
#include "store/CallsignDb.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <cmath>

// The callsign-county table: viewed sorted by callsign, extended by hand.

void LogViewWindow::showCallsignTable() {
    m_model.callsignTableChosen();
    render();
    loadCallsignTable();
}

void LogViewWindow::loadCallsignTable() {
    Outcome<QSqlQuery> table = CallsignDb(m_services.callDb).sortedByCallsign();
    if (!table) {
        m_services.dialogs.tell({table.error(), Dialogs::Icon::None, {}});
        return;
    }
    m_callModel->setQuery(*std::move(table)); // fetches only the rows the grid shows
    sizeCallsignColumns();
}

void LogViewWindow::sizeCallsignColumns() {
    const int widths[] = {0, 900, 400};
    int scaled[3];
    for (int c = 0; c < 3; ++c)
        scaled[c] = static_cast<int>(std::lround(widths[c] * m_layout.scaleX));
    ScreenLayout::setColumnWidths(ui.callsignGrid, scaled);
}

void LogViewWindow::showAddCallsignChoice() {
    m_model.callsignChoiceOpened();
    render();
}

void LogViewWindow::startAddingCallsign() {
    m_model.addingCallsignChosen();
    render();
    ui.newCallsignBox->setFocus(Qt::OtherFocusReason);
}

void LogViewWindow::confirmAddCallsign() {
    if (!m_services.dialogs.ask(QStringLiteral("VRETI SA INSERTATI ?"),
                                QStringLiteral("INTRODUCERE DATE"))) {
        reset();
        return;
    }
    addTypedCallsign();
}

void LogViewWindow::addTypedCallsign() {
    CallsignDb db(m_services.callDb);
    if (const Outcome<void> added =
            db.addByHand(ui.newCallsignBox->text(), ui.newCallsignCountyBox->text());
        !added) {
        // Nothing was inserted: the boxes keep what was typed, to be corrected.
        m_services.dialogs.tell(
            {added.error(), Dialogs::Icon::None, QStringLiteral("INTRODUCERE DATE")});
        ui.newCallsignBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_services.dialogs.tell(
        {QStringLiteral("OK?"), Dialogs::Icon::Question, QStringLiteral("OK ? ")});
    reset();
}
