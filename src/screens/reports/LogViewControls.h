#pragma once

#include <QList>

class QAction;
class QCheckBox;
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

/// The log-view screen's controls; each keeps the system's name as objectName.
struct LogViewControls {
    QGroupBox* viewFrame = nullptr; // VIEW
    QRadioButton* viewGeneralLogOption = nullptr;
    QRadioButton* viewStage1AOption = nullptr;
    QRadioButton* viewStage1BOption = nullptr;
    QRadioButton* viewStage2AOption = nullptr;
    QRadioButton* viewStage2BOption = nullptr;
    QRadioButton* viewCallsignTableOption = nullptr;

    QGroupBox* deleteLogFrame = nullptr; // DELETE LOG
    QRadioButton* deleteGeneralLogOption = nullptr;

    QGroupBox* printFrame = nullptr; // PRINT
    QRadioButton* printStage1AOption = nullptr;
    QRadioButton* printStage1BOption = nullptr;
    QRadioButton* printStage2AOption = nullptr;
    QRadioButton* printStage2BOption = nullptr;
    QRadioButton* printSummaryOption = nullptr;

    QGroupBox* stageTotalsFrame = nullptr; // Summe/Etap
    QLabel* contactsCaption = nullptr;
    QLineEdit* contactsBox = nullptr;
    QLabel* multipliersCaption = nullptr;
    QLineEdit* multipliersBox = nullptr;
    QLabel* pointsCaption = nullptr;
    QLineEdit* pointsBox = nullptr;

    QGroupBox* deleteContactFrame = nullptr; // &DELETE
    QRadioButton* deleteContactOption = nullptr;

    QGroupBox* stationForm = nullptr; // ENTER DATA: station data of the summary sheet
    QLineEdit* sectionBox = nullptr;
    QLineEdit* operatorNameBox = nullptr;
    QLineEdit* operatorCountBox = nullptr;
    QLineEdit* qthBox = nullptr;
    QLineEdit* addressBox = nullptr;
    QLineEdit* transmitterBox = nullptr;
    QLineEdit* receiverBox = nullptr;
    QLineEdit* antennaBoxes[4] = {};
    QLineEdit* clubBox = nullptr;
    QPushButton* formDoneButton = nullptr;

    QGroupBox* callsignTableFrame = nullptr; // TAB. JUD
    QRadioButton* addCallsignOption = nullptr;
    QGroupBox* callsignForm = nullptr; // ENTER DATA: callsign database
    QLineEdit* newCallsignBox = nullptr;
    QLineEdit* newCallsignCountyBox = nullptr;

    QGroupBox* cabrilloForm = nullptr;
    QLineEdit* cabrilloContestBox = nullptr;
    QLineEdit* cabrilloCallsignBox = nullptr;
    QLineEdit* cabrilloCategoryBox = nullptr;
    QLineEdit* cabrilloScoreBox = nullptr;
    QLineEdit* cabrilloOperatorsBox = nullptr;
    QLineEdit* cabrilloClubBox = nullptr;
    QLineEdit* cabrilloNameBox = nullptr;
    QLineEdit* cabrilloAddressBoxes[3] = {};
    QLineEdit* cabrilloSoapboxBoxes[2] = {};
    QList<QLineEdit*> cabrilloBoxes;     // in the file's order
    QCheckBox* cabrillo3Check = nullptr; // Cabrillo 3.0 rather than 2.0

    QGroupBox* archivePanel = nullptr;
    QComboBox* archiveDrives = nullptr;
    QTreeView* archiveFolders = nullptr;
    QListView* archiveFiles = nullptr;
    QLabel* fileNameCaption = nullptr;
    QLineEdit* fileNameBox = nullptr;
    QPushButton* saveTextButton = nullptr;
    QPushButton* saveAdifButton = nullptr;
    QPushButton* deleteFileButton = nullptr;

    QTableView* logGrid = nullptr;
    QTableView* callsignGrid = nullptr;
    QListWidget* cabrilloPreview = nullptr;

    QAction* firstPageAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* viewLogAction = nullptr;
    QAction* printLogAction = nullptr;
    QMenu* saveLogMenu = nullptr;
    QMenu* saveToDiskMenu = nullptr;
    QAction* saveTextAction = nullptr;
    QAction* saveCabrilloAction = nullptr;
    QAction* archiveAction = nullptr;
    QAction* deleteLogAction = nullptr;
    QMenu* helpMenu = nullptr;
};
