#include "screens/entry/FrmQSO.h"

#include "screens/ScreenLayout.h"
#include "setup/AppState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The stages, modes, fields and labels each kind of contest shows on the QSO screen.

void FrmQSO::presentContest() {
    const ContestDef& def = m_state.contest();
    ui.LblConc->setText(def.codeString());
    m_boardShown.reset(); // the contest decides which labels the board shows
    switch (def.presentation) {
    case Presentation::National:
        showFourStages();
        break;
    case Presentation::Zodiac:
        showFourStages();
        presentZodiacExchange();
        break;
    case Presentation::Lmayo:
        ui.LblNY->show();
        ui.CmdCW->hide();
        m_state.qsoMode = QStringLiteral("SSB");
        hideSecondStages();
        ui.LblMode->hide();
        ui.LblAnunt->setText(QStringLiteral("SELECT ETAPA"));
        break;
    case Presentation::Stage1Modes:
        if (def.serialSent())
            presentSimpleContest();
        hideSecondStages();
        if (def.enablesModes) {
            ui.CmdCW->setEnabled(true);
            ui.CmdSSB->setEnabled(true);
        }
        if (def.modesFollowFirstStages())
            ui.LblAnunt->setText(QStringLiteral("SELECT ETAPA"));
        break;
    case Presentation::Caras:
        presentNameExchange();
        break;
    case Presentation::OneStage:
        presentSimpleContest();
        presentOneStage();
        break;
    case Presentation::Martisor:
        presentSimpleContest();
        presentOneStage();
        presentMartisor();
        break;
    case Presentation::Club:
        presentSimpleContest();
        break;
    }
    // Serials sent start at "001" in a new contest.
    if (def.serialSent() && !m_state.returnToSetup) {
        m_entry.setText(EntryField::CodeSent, QStringLiteral("001"));
        renderFields();
    }
}

void FrmQSO::hideSecondStages() {
    ui.Cmd2A->hide();
    ui.Cmd2B->hide();
    ui.Frame3->hide();
    for (int row : {2, 3})
        for (QLabel* l : {ui.LblBand[row], ui.LblPkt[row], ui.LblMlt[row], ui.LblQSO[row]})
            l->hide();
}

void FrmQSO::presentSimpleContest() {
    const ContestDef& def = m_state.contest();
    ui.LblNY->hide();
    hideSecondStages();
    if (def.ssbChoosesFirstStage())
        return;
    if (def.widensCountyField())
        ScreenLayout::setDesignWidth(ui.TxtRstR3, 715, m_state.scaleX);
    if (def.log.exchange == ExchangeKind::Sector) {
        for (QLabel* l : ui.sectorLabels)
            l->show();
        ui.Frame4->show();
        ui.LblBU->hide();
    }
    if (def.log.aaOnBoard) {
        ui.LblNY->setText(QStringLiteral("AA"));
        ui.LblNY->show();
    }
}

void FrmQSO::presentNameExchange() {
    ui.LblNY->hide();
    hideSecondStages();
    ui.Frame4->hide();
    for (QLineEdit* e : {ui.TxtRSTE3, ui.TxtRstR3}) {
        ScreenLayout::setDesignWidth(e, 800, m_state.scaleX);
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

void FrmQSO::presentZodiacExchange() {
    ui.TxtRSTE2->hide();
    ui.TxtRSTR2->hide();
    ui.LblContrInit->hide();
    ui.Frame4->hide();
    ui.LblRSTS->setText(QStringLiteral("  RSTS  ZODS"));
    ui.LblRSTR->setText(QStringLiteral(" RSTR  ZODR"));
    ScreenLayout::setDesignWidth(ui.TxtRSTE3, 800, m_state.scaleX);
    ScreenLayout::setDesignWidth(ui.TxtRstR3, 800, m_state.scaleX);
    ui.LblMacro->setText(QStringLiteral("#1=MYCALL #2=YourCall  #4=MYZODIE"));
}

void FrmQSO::showFourStages() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.CmdCW, ui.CmdSSB, ui.Cmd2A, ui.Cmd2B, ui.LblMode})
        w->show();
    ui.LblNY->hide();
}

void FrmQSO::presentOneStage() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui.LblMode, ui.LblFrq, ui.Cmd1A, ui.Cmd1B,
                                                      ui.Cmd2A, ui.Cmd2B, ui.Lbl1A})
        w->hide();
    ui.LblAnunt->setText(QStringLiteral("Selectie MOD"));
    for (QLabel* l : {ui.LblBand[1], ui.LblPkt[1], ui.LblMlt[1], ui.LblQSO[1]})
        l->hide();
}

void FrmQSO::presentMartisor() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui.LblMode, ui.LblFrq, ui.CmdCW, ui.Cmd1B,
                                                      ui.Cmd2A, ui.Cmd2B, ui.LblAnunt})
        w->hide();
    ui.CmdSSB->setEnabled(false);
    ui.Cmd1A->show();
    ui.Cmd1A->setEnabled(false);
    m_state.gridOwner = AppState::kGridOwnerQso;
    layOutGrid();
}
