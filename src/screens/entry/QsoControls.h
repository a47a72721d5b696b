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

/// The QSO screen's controls; each keeps the system's name as objectName. The set-up screen
/// writes into some.
struct QsoControls {
    // Station and contest
    QLabel* contestName = nullptr;
    QLabel* ownCall = nullptr;
    QLabel* ownCounty = nullptr;
    QLabel* sentCodeLabel = nullptr;
    QLabel* offlineMarker = nullptr;
    QLineEdit* dateField = nullptr;
    QLineEdit* timeField = nullptr;
    QLabel* prompt = nullptr;

    // Stage and mode
    QLabel* stageCaption = nullptr;
    QPushButton* stage1AButton = nullptr;
    QPushButton* stage1BButton = nullptr;
    QPushButton* stage2AButton = nullptr;
    QPushButton* stage2BButton = nullptr;
    QLabel* stage1AMarker = nullptr;
    QLabel* stage1BMarker = nullptr;
    QLabel* stage2AMarker = nullptr;
    QLabel* stage2BMarker = nullptr;
    QLabel* radioFrequency = nullptr; // the radio's frequency and mode, or that it does not answer
    QPushButton* cwButton = nullptr;
    QPushButton* ssbButton = nullptr;
    QLabel* modeCaption = nullptr;
    QLabel* cwMarker = nullptr;
    QLabel* ssbMarker = nullptr;

    // Entry
    QLabel* callCaption = nullptr;
    QLabel* receivedCaption = nullptr;
    QLabel* sentCaption = nullptr;
    QLineEdit* callsign = nullptr;
    QLineEdit* receivedReport = nullptr;
    QLineEdit* receivedCode = nullptr;
    QLineEdit* receivedCounty = nullptr;
    QLineEdit* sentReport = nullptr;
    QLineEdit* sentCode = nullptr;
    QLineEdit* sentCounty = nullptr;
    QLabel* newMarker = nullptr;
    QPushButton* logButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLineEdit* errorLine = nullptr;
    QListWidget* countyChoices = nullptr;
    QGroupBox* dupeWarning = nullptr;
    QLabel* layoutHint = nullptr;

    // County board
    QGroupBox* countyBoard = nullptr;
    QLabel* extraCountyLabel = nullptr;
    QLabel* bucharestLabel = nullptr;
    QGroupBox* sectorBoard = nullptr;
    QList<QLabel*> sectorLabels; // LblXA..LblXF

    // Results per stage
    QGroupBox* stationPanel = nullptr;
    QWidget* resultsPlace = nullptr; // the station panel, under the cover when it is shown
    QWidget* resultsCover = nullptr; // the county list in the station panel's room, or nothing
    QGroupBox* stageTotals = nullptr;
    QLabel* stageColumnCaption = nullptr;
    QLabel* pointsColumnCaption = nullptr;
    QLabel* multipliersColumnCaption = nullptr;
    QLabel* contactsColumnCaption = nullptr;
    QLabel* stageNames[4] = {};
    QLabel* stagePoints[4] = {};
    QLabel* stageMultipliers[4] = {};
    QLabel* stageContacts[4] = {};

    // Keyer
    QGroupBox* keyerPanel = nullptr;
    QGroupBox* keyerTextsPanel = nullptr;
    QGroupBox* ownDataPanel = nullptr;
    QLineEdit* keyerTexts[7] = {};
    QLabel* keyerTextCaptions[7] = {};
    QLabel* macroLegend = nullptr;
    QLineEdit* cwSending = nullptr;
    QLabel* cwSpeed = nullptr;
    QRadioButton* evenWeight = nullptr;
    QRadioButton* heavyWeight = nullptr;
    QRadioButton* heavierWeight = nullptr;
    QLineEdit* cwRepeatPause = nullptr;
    QLineEdit* ssbRepeatPause = nullptr;

    QTableView* logGrid = nullptr;

    // Menus
    QAction* quitAction = nullptr;
    QAction* firstPageAction = nullptr;
    QAction* recoverAction = nullptr;
    QMenu* helpMenu = nullptr;
};
