#include "screens/entry/QsoWindow.h"

#include "refdata/CountyBoard.h"
#include "screens/ScreenLayout.h"
#include "setup/AppState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The stages, modes, fields and labels the contest's row asks the QSO screen to show.

void QsoWindow::presentContest() {
    const ContestDef& def = m_state.contest();
    ui.LblConc->setText(def.codeString());
    m_boardShown.reset(); // the contest decides which labels the board shows
    presentStages(def.stageCount);
    presentModes(def);
    presentExchange(def.screen.exchange);
    presentBoard(def);
    if (*def.screen.prompt)
        ui.LblAnunt->setText(QString::fromLatin1(def.screen.prompt));
    if (def.screen.opensReady)
        presentReadyStart();
    // Serials sent start at "001" in a new contest.
    if (def.serialSent() && !m_state.returnToSetup) {
        m_entry.setText(EntryField::CodeSent, QStringLiteral("001"));
        renderFields();
    }
}

void QsoWindow::presentStages(int stageCount) {
    if (stageCount < 4) {
        ui.Cmd2A->hide();
        ui.Cmd2B->hide();
        ui.Frame3->hide();
        for (int row : {2, 3})
            for (QLabel* l : {ui.LblBand[row], ui.LblPkt[row], ui.LblMlt[row], ui.LblQSO[row]})
                l->hide();
    }
    if (stageCount > 1)
        return;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.LblMode, ui.LblFrq, ui.Cmd1A, ui.Cmd1B, ui.Lbl1A})
        w->hide();
    for (QLabel* l : {ui.LblBand[1], ui.LblPkt[1], ui.LblMlt[1], ui.LblQSO[1]})
        l->hide();
}

void QsoWindow::presentModes(const ContestDef& def) {
    if (def.ssbOnly) {
        ui.CmdCW->hide();
        ui.LblMode->hide();
    }
    if (def.screen.enablesModes) {
        ui.CmdCW->setEnabled(true);
        ui.CmdSSB->setEnabled(true);
    }
}

void QsoWindow::presentExchange(const ExchangeShape& shape) {
    if (*shape.sentCaption)
        ui.LblRSTS->setText(QString::fromLatin1(shape.sentCaption));
    if (*shape.receivedCaption)
        ui.LblRSTR->setText(QString::fromLatin1(shape.receivedCaption));
    if (*shape.macroHelp)
        ui.LblMacro->setText(QString::fromLatin1(shape.macroHelp));
    const std::pair<QLineEdit*, int> widths[] = {{ui.TxtRSTE3, shape.sentWidth},
                                                 {ui.TxtRstR3, shape.receivedWidth}};
    for (const auto& [field, width] : widths) {
        if (width > 0)
            ScreenLayout::setDesignWidth(field, width, m_state.scaleX);
        if (shape.smallFont) {
            QFont f = field->font();
            f.setPointSize(8);
            field->setFont(f);
        }
    }
    if (!shape.codeFields)
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui.TxtRSTE2, ui.TxtRSTR2, ui.LblContrInit})
            w->hide();
    if (!shape.multipliers)
        for (QLabel* l : {ui.LblMlt[0], ui.LblMlt[1], ui.LblMltCol})
            l->hide();
}

void QsoWindow::presentBoard(const ContestDef& def) {
    ui.LblNY->setVisible(CountyBoard::greenLabels(def).contains(QStringLiteral("NY")));
    if (def.log.aaOnBoard)
        ui.LblNY->setText(QStringLiteral("AA"));
    if (def.log.exchange == ExchangeKind::Sector) {
        for (QLabel* l : ui.sectorLabels)
            l->show();
        ui.Frame4->show();
        ui.LblBU->hide();
    }
}

void QsoWindow::presentReadyStart() {
    ui.LblAnunt->hide();
    ui.CmdSSB->setEnabled(false);
    ui.Cmd1A->show();
    ui.Cmd1A->setEnabled(false);
    m_state.gridOwner = AppState::kGridOwnerQso;
    layOutGrid();
}
