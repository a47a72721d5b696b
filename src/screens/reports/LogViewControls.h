#pragma once

#include <QList>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QTreeView;

/// The log-view screen's controls, named as the system names them.
struct LogViewControls {
    QGroupBox* Frame1 = nullptr; // VIEW
    QRadioButton* OpBLG = nullptr;
    QRadioButton* OpB1A = nullptr;
    QRadioButton* OpB1B = nullptr;
    QRadioButton* OpB2A = nullptr;
    QRadioButton* OpB2B = nullptr;
    QRadioButton* OpBCallJud = nullptr;

    QGroupBox* Frame2 = nullptr; // DELETE LOG
    QRadioButton* OpbL1A = nullptr;

    QGroupBox* Frame3 = nullptr; // PRINT
    QRadioButton* OpBD1A = nullptr;
    QRadioButton* OpBD1B = nullptr;
    QRadioButton* OpBD2A = nullptr;
    QRadioButton* OpBD2B = nullptr;
    QRadioButton* OpBDSumm = nullptr;

    QGroupBox* Frame4 = nullptr; // Summe/Etap
    QLabel* LblQSO = nullptr;
    QLineEdit* TxtQSO = nullptr;
    QLabel* LblMlt = nullptr;
    QLineEdit* TxtMlt = nullptr;
    QLabel* LblPkt = nullptr;
    QLineEdit* TxtPkt = nullptr;

    QGroupBox* Frame5 = nullptr; // &DELETE
    QRadioButton* OpBDelete = nullptr;

    QGroupBox* Frame6 = nullptr; // ENTER DATA: station data of the summary sheet
    QLineEdit* TxtSection = nullptr;
    QLineEdit* TxtOp = nullptr;
    QLineEdit* TxtNo = nullptr;
    QLineEdit* TxtQTH = nullptr;
    QLineEdit* TxtAds = nullptr;
    QLineEdit* TxtTx = nullptr;
    QLineEdit* TxtRx = nullptr;
    QLineEdit* TxtAnt[4] = {};
    QLineEdit* TxtClub = nullptr;
    QPushButton* CmdGata = nullptr;

    QGroupBox* Frame7 = nullptr; // TAB. JUD
    QRadioButton* OpBAnfuegen = nullptr;
    QGroupBox* Frame8 = nullptr; // ENTER DATA: callsign database
    QLineEdit* TxtCountry = nullptr;
    QLineEdit* TxtCont = nullptr;

    QGroupBox* FraLogCbr = nullptr;
    QLineEdit* TxtContest = nullptr;
    QLineEdit* TxtCall = nullptr;
    QLineEdit* TxtCateg = nullptr;
    QLineEdit* TxtScore = nullptr;
    QLineEdit* TxtOperat = nullptr;
    QLineEdit* TxtClub1 = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtAdrs[3] = {};
    QLineEdit* TxtSoap[2] = {};
    QList<QLineEdit*> cabrilloBoxes; // in the file's order

    QGroupBox* FraArh = nullptr;
    QComboBox* DrvList = nullptr;
    QTreeView* DirList = nullptr;
    QListView* FilList = nullptr;
    QLabel* LblNumeFis = nullptr;
    QLineEdit* TxtNameDat = nullptr;
    QPushButton* CmdMemTxt = nullptr;
    QPushButton* CmdArhivADI = nullptr;
    QPushButton* CmdSterg = nullptr;

    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid5 = nullptr;
    QListWidget* ListCbr = nullptr;

    QAction* mnuAnfang = nullptr;
    QAction* mnuBeenden = nullptr;
    QAction* mnuLogAnzeigen = nullptr;
    QAction* mnuLOGDrucken = nullptr;
    QMenu* mnuASCIIDatei = nullptr;
    QMenu* mnuLog = nullptr;
    QAction* mnuTXT = nullptr;
    QAction* mnuCabrillo = nullptr;
    QAction* mnuArh = nullptr;
    QAction* mnuLOGLoeschen = nullptr;
    QMenu* mnuHelp3 = nullptr;
};
