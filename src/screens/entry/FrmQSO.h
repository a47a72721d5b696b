#pragma once

#include "screens/entry/QsoControls.h"

#include <QMainWindow>

#include "screens/ScreenServices.h"

/// The working screen of the contest: entry fields, stage and mode, results, keyer texts, log grid.
class FrmQSO : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmQSO(ScreenServices& services, QWidget* parent = nullptr);

    QsoControls ui;

    /// Stage button procedure (`B1A`..`B2B`): stage 1..4.
    void B(int stage);
    /// The CW button's procedure (`CmdCW_Click` then `MdCw`).
    void CmdCW_Click();
    /// The SSB button's procedure (`CmdSSB_Click` then `MdSSB`).
    void CmdSSB_Click();
    void MdCw();
    void MdSSB();
    /// Empties the contact in hand and prepares the callsign field.
    void AbbruchX();
    /// Disables the seven entry fields until stage and mode are chosen.
    void NoEnabl();
    /// Enables the seven entry fields.
    void YesEnabl();
    /// Prepares the callsign field for the next contact ("YO" with the caret after it).
    void YOIN();
    /// Focus on the callsign field with the caret after its trimmed text.
    void GoIndicSetFocus();
    /// Lays out the log grid's columns for the contest and the layout factor.
    void ColGrid();

signals:
    /// 1_ST_PA&GE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

private:
    void buildUi();
    QWidget* buildHeader();
    QWidget* buildStageRow();
    QWidget* buildEntry();
    QWidget* buildResults();
    QWidget* buildKeyer();
    void buildMenus();
    QList<class QLineEdit*> entryFields() const;
    void showStageTotals();
    void markMode(bool cw);
    void afterModeChosen();
    void confirmExit();

    ScreenServices& m_services;
    AppState& m_state;
};
