#include "screens/ContestPresentation.h"

#include "screens/ScreenLayout.h"
#include "screens/entry/FrmQSO.h"
#include "setup/AppState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ContestPresentation {

void hideSecondStage(FrmQSO& qso) {
    QsoControls& ui = qso.ui;
    ui.Cmd2A->hide();
    ui.Cmd2B->hide();
    ui.Frame3->hide();
    for (int row : {2, 3}) {
        ui.LblBand[row]->hide();
        ui.LblPkt[row]->hide();
        ui.LblMlt[row]->hide();
        ui.LblQSO[row]->hide();
    }
}

void presentSimpleContest(FrmQSO& qso, const AppState& state) {
    QsoControls& ui = qso.ui;
    ui.LblNY->hide();
    hideSecondStage(qso);
    const int n = state.contestNumber;
    if (n == 13)
        return;
    if (n == 15)
        ScreenLayout::setDesignWidth(ui.TxtRstR3, 715, state.scaleX);
    if (n == 12) {
        for (QLabel* l : ui.sectorLabels)
            l->show();
        ui.Frame4->show();
        ui.LblBU->hide();
    }
    if (n == 24) {
        ui.LblNY->setText(QStringLiteral("AA"));
        ui.LblNY->show();
    }
}

void presentStage1Modes(FrmQSO& qso, const AppState& state) {
    hideSecondStage(qso);
    if (state.contest().enablesModes) {
        qso.ui.CmdCW->setEnabled(true);
        qso.ui.CmdSSB->setEnabled(true);
    }
    if (state.contestNumber == 2)
        qso.ui.LblAnunt->setText(QStringLiteral("SELECT ETAPA"));
}

void presentSsbOnly(FrmQSO& qso, AppState& state) {
    QsoControls& ui = qso.ui;
    ui.LblNY->show();
    ui.CmdCW->hide();
    ui.CmdSSB->hide();
    state.qsoMode = QStringLiteral("SSB");
    hideSecondStage(qso);
    ui.LblMode->hide();
    ui.LblSSB->hide();
}

void presentNameExchange(FrmQSO& qso, const AppState& state) {
    QsoControls& ui = qso.ui;
    ui.LblNY->hide();
    hideSecondStage(qso);
    ui.Frame4->hide();
    ScreenLayout::setDesignWidth(ui.TxtRSTE3, 800, state.scaleX);
    ScreenLayout::setDesignWidth(ui.TxtRstR3, 800, state.scaleX);
    for (QLineEdit* e : {ui.TxtRSTE3, ui.TxtRstR3}) {
        QFont f = e->font();
        f.setPointSize(8);
        e->setFont(f);
    }
    ui.LblRSTS->setText(QStringLiteral("RSTS CODS NUMES"));
    ui.LblRSTR->setText(QStringLiteral("  RSTR CODR NUMER"));
    ui.LblMlt[0]->hide();
    ui.LblMlt[1]->hide();
    ui.LblMltCol->hide();
    ui.LblMacro->setText(QStringLiteral("#1=MYCALL #2=YourCall  #3=CodEmis #4=MyNume"));
}

void presentZodiacExchange(FrmQSO& qso, const AppState& state) {
    QsoControls& ui = qso.ui;
    ui.TxtRSTE2->hide();
    ui.TxtRSTR2->hide();
    ui.LblContrInit->hide();
    ui.Frame4->hide();
    ui.LblRSTS->setText(QStringLiteral("  RSTS  ZODS"));
    ui.LblRSTR->setText(QStringLiteral(" RSTR  ZODR"));
    ScreenLayout::setDesignWidth(ui.TxtRSTE3, 800, state.scaleX);
    ScreenLayout::setDesignWidth(ui.TxtRstR3, 800, state.scaleX);
    ui.LblMacro->setText(QStringLiteral("#1=MYCALL #2=YourCall  #4=MYZODIE"));
}

void showFourStages(FrmQSO& qso) {
    QsoControls& ui = qso.ui;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.CmdCW, ui.CmdSSB, ui.Cmd2A, ui.Cmd2B, ui.LblMode})
        w->show();
    ui.LblNY->hide();
}

void presentOneStage(FrmQSO& qso) {
    QsoControls& ui = qso.ui;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.LblMode, ui.LblFrq, ui.Cmd1A, ui.Cmd1B,
                                                      ui.Cmd2A, ui.Cmd2B, ui.Lbl1A})
        w->hide();
    ui.LblAnunt->setText(QStringLiteral("Selectie MOD"));
    for (QLabel* l : {ui.LblBand[1], ui.LblPkt[1], ui.LblMlt[1], ui.LblQSO[1]})
        l->hide();
    ui.LblBand[0]->setText(QStringLiteral("1A"));
    for (QLabel* l : {ui.LblPkt[0], ui.LblMlt[0], ui.LblQSO[0]})
        l->setText(QStringLiteral("0"));
}

void presentMartisor(FrmQSO& qso, AppState& state) {
    QsoControls& ui = qso.ui;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.LblMode, ui.LblFrq, ui.CmdCW, ui.Cmd1B,
                                                      ui.Cmd2A, ui.Cmd2B, ui.LblAnunt})
        w->hide();
    ui.CmdSSB->setEnabled(false);
    ui.Cmd1A->show();
    ui.Cmd1A->setEnabled(false);
    ui.TxtIndic->setText(QStringLiteral("YO"));
    ui.TxtIndic->setCursorPosition(2);
    state.gridOwner = AppState::kGridOwnerQso;
    qso.ColGrid();
}

} // namespace ContestPresentation
