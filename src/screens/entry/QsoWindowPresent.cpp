#include "screens/entry/QsoWindow.h"

#include "rules/ContestRun.h"
#include "rules/CountyBoard.h"
#include "screens/ScreenLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The stages, modes, fields and labels the contest's row asks the QSO screen to show.

void QsoWindow::presentContest() {
    const ContestDef& def = m_run.contest();
    ui.contestName->setText(def.codeString());
    m_boardShown.reset(); // the contest decides which labels the board shows
    presentStages(def.stageCount);
    presentModes(def);
    presentExchange(def.screen.exchange);
    presentBoard(def);
    if (*def.screen.prompt)
        ui.prompt->setText(QString::fromLatin1(def.screen.prompt));
    if (def.screen.opensReady)
        presentReadyStart();
    m_entry.contestChosen();
    m_input.show();
}

void QsoWindow::presentStages(int stageCount) {
    if (stageCount < 4) {
        ui.stage2AButton->hide();
        ui.stage2BButton->hide();
        ui.dupeWarning->hide();
        for (int row : {2, 3})
            for (QLabel* l : {ui.stageNames[row], ui.stagePoints[row], ui.stageMultipliers[row],
                              ui.stageContacts[row]})
                l->hide();
    }
    if (stageCount > 1)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.modeCaption, ui.stageCaption, ui.stage1AButton, ui.stage1BButton, ui.stage1AMarker})
        w->hide();
    for (QLabel* l :
         {ui.stageNames[1], ui.stagePoints[1], ui.stageMultipliers[1], ui.stageContacts[1]})
        l->hide();
}

void QsoWindow::presentModes(const ContestDef& def) {
    if (def.ssbOnly) {
        ui.cwButton->hide();
        ui.modeCaption->hide();
    }
    if (def.screen.enablesModes) {
        ui.cwButton->setEnabled(true);
        ui.ssbButton->setEnabled(true);
    }
}

void QsoWindow::presentExchange(const ExchangeShape& shape) {
    if (*shape.sentCaption)
        ui.sentCaption->setText(QString::fromLatin1(shape.sentCaption));
    if (*shape.receivedCaption)
        ui.receivedCaption->setText(QString::fromLatin1(shape.receivedCaption));
    if (*shape.macroHelp)
        ui.macroLegend->setText(QString::fromLatin1(shape.macroHelp));
    const std::pair<QLineEdit*, int> widths[] = {{ui.sentCounty, shape.sentWidth},
                                                 {ui.receivedCounty, shape.receivedWidth}};
    for (const auto& [field, width] : widths) {
        if (width > 0)
            ScreenLayout::setDesignWidth(field, width, m_layout.scaleX);
        if (shape.smallFont) {
            QFont f = field->font();
            f.setPointSize(8);
            field->setFont(f);
        }
    }
    if (!shape.codeFields)
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui.sentCode, ui.receivedCode, ui.sentCodeLabel})
            w->hide();
    if (!shape.multipliers)
        for (QLabel* l :
             {ui.stageMultipliers[0], ui.stageMultipliers[1], ui.multipliersColumnCaption})
            l->hide();
}

void QsoWindow::presentBoard(const ContestDef& def) {
    ui.extraCountyLabel->setVisible(CountyBoard::greenLabels(def).contains(QStringLiteral("NY")));
    if (def.log.aaOnBoard)
        ui.extraCountyLabel->setText(QStringLiteral("AA"));
    if (def.log.exchange == ExchangeKind::Sector) {
        for (QLabel* l : ui.sectorLabels)
            l->show();
        ui.sectorBoard->show();
        ui.bucharestLabel->hide();
    }
}

void QsoWindow::presentReadyStart() {
    ui.prompt->hide();
    ui.ssbButton->setEnabled(false);
    ui.stage1AButton->show();
    ui.stage1AButton->setEnabled(false);
    layOutGrid();
}
