#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;

/// The QSO screen's controls, named as the system names them; the set-up screen writes into some.
struct QsoControls {
    // Station and contest
    QLabel* LblConc = nullptr;
    QLabel* LblMyCall = nullptr;
    QLabel* LblMyBezirk = nullptr;
    QLabel* LblContrInit = nullptr;
    QLabel* LblOffLine = nullptr;
    QLineEdit* TxtDate = nullptr;
    QLineEdit* TxtUTC = nullptr;
    QLabel* LblAnunt = nullptr;

    // Stage and mode
    QLabel* LblFrq = nullptr;
    QPushButton* Cmd1A = nullptr;
    QPushButton* Cmd1B = nullptr;
    QPushButton* Cmd2A = nullptr;
    QPushButton* Cmd2B = nullptr;
    QLabel* Lbl1A = nullptr;
    QLabel* Lbl1B = nullptr;
    QLabel* Lbl2A = nullptr;
    QLabel* Lbl2B = nullptr;
    QLabel* LblFrecventa = nullptr; // the radio's frequency and mode, or that it does not answer
    QPushButton* CmdCW = nullptr;
    QPushButton* CmdSSB = nullptr;
    QLabel* LblMode = nullptr;
    QLabel* LblCW = nullptr;
    QLabel* LblSSB = nullptr;

    // Entry
    QLabel* LblRufZeich = nullptr;
    QLabel* LblRSTR = nullptr;
    QLabel* LblRSTS = nullptr;
    QLineEdit* TxtIndic = nullptr;
    QLineEdit* TxtRSTR1 = nullptr;
    QLineEdit* TxtRSTR2 = nullptr;
    QLineEdit* TxtRstR3 = nullptr;
    QLineEdit* TxtRSTE1 = nullptr;
    QLineEdit* TxtRSTE2 = nullptr;
    QLineEdit* TxtRSTE3 = nullptr;
    QLabel* LblNeu = nullptr;
    QPushButton* CmdEnterCall = nullptr;
    QPushButton* CmdAbbruchX = nullptr;
    QLineEdit* TxtEroare = nullptr;
    QListWidget* list1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* LblAjust = nullptr;

    // County board
    QGroupBox* Frame1 = nullptr;
    QLabel* LblNY = nullptr;
    QLabel* LblBU = nullptr;
    QGroupBox* Frame4 = nullptr;
    QList<QLabel*> sectorLabels; // LblXA..LblXF

    // Results per stage
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* LblBandCol = nullptr;
    QLabel* LblPktCol = nullptr;
    QLabel* LblMltCol = nullptr;
    QLabel* LblQSOCol = nullptr;
    QLabel* LblBand[4] = {};
    QLabel* LblPkt[4] = {};
    QLabel* LblMlt[4] = {};
    QLabel* LblQSO[4] = {};

    // Keyer
    QGroupBox* FrmCwProgr = nullptr;
    QGroupBox* FramTxtCw = nullptr;
    QGroupBox* FramMyData = nullptr;
    QLineEdit* TxtF[7] = {};
    QLabel* LblF[7] = {};
    QLabel* LblMacro = nullptr;
    QLineEdit* TxtCwCurent = nullptr;
    QLabel* LblWPM = nullptr;
    QRadioButton* OpB50 = nullptr;
    QRadioButton* OpB62 = nullptr;
    QRadioButton* Opb75 = nullptr;
    QLineEdit* txtPauseCW = nullptr;
    QLineEdit* TxtPauseSSB = nullptr;

    QTableView* DBGrid1 = nullptr;

    // Menus
    QAction* mnuBeenden = nullptr;
    QAction* mnuAnfang = nullptr;
    QAction* mnuRecup = nullptr;
    QMenu* mnuHelp2 = nullptr;
};
