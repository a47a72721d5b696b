#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

/// The set-up screen's controls, named as the system names them.
struct InitControls {
    QLabel* LblContest = nullptr;
    QLabel* LblTipTest = nullptr;
    QGroupBox* FrmConcurs = nullptr;
    QList<QRadioButton*> contestButtons; // in catalogue order
    QGroupBox* FraConcurs = nullptr;
    QRadioButton* OpbTest = nullptr;
    QRadioButton* OpbConcurs = nullptr;
    QLabel* LblAnunt = nullptr;

    QLabel* LblMyCall = nullptr;
    QLineEdit* TxtMyCall = nullptr;
    QLabel* LblBezirk = nullptr;
    QLineEdit* TxtMyBezirkA = nullptr;
    QLineEdit* TxtEroare = nullptr;
    QLabel* LblContrInit = nullptr;
    QLineEdit* txtContrInit = nullptr;
    QLabel* LblTime = nullptr;
    QLineEdit* TxtTime = nullptr;
    QLabel* LblSD = nullptr;
    QLineEdit* TxtSD = nullptr;
    QLabel* LblST = nullptr;
    QLineEdit* TxtST = nullptr;
    QLabel* LblCP = nullptr;
    QLineEdit* TxtCP = nullptr;
    QLabel* LblPortDev = nullptr;    // the device the port number resolves to
    QLabel* LblTimpReal = nullptr;   // CW timing without real-time priority
    QLabel* LblDataFolder = nullptr; // the data folder in use

    QGroupBox* FramCW = nullptr;
    QRadioButton* OpbCwJ = nullptr;
    QRadioButton* OpbCwN = nullptr;
    QCheckBox* ChkCwRpt = nullptr;
    QGroupBox* FramSSB = nullptr;
    QRadioButton* OpbSSBJ = nullptr;
    QRadioButton* OpbSSBN = nullptr;
    QCheckBox* ChkSSBRpt = nullptr;
    QGroupBox* FramTxtCw = nullptr;
    QLineEdit* TxtF[7] = {};
    QLabel* LblJ = nullptr;
    QLabel* LblMQRA = nullptr;

    QAction* mnuBeenden = nullptr;
    QAction* mnuQSOfahren = nullptr;
    QAction* mnuLog = nullptr;
    QAction* mnuInpLog = nullptr;
    QMenu* mnuHelp1 = nullptr;
    QAction* mnuRadio = nullptr; // the radio and keyer settings
};
