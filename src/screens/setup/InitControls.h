#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

/// The set-up screen's controls; each keeps the system's name as objectName.
struct InitControls {
    QLabel* contestTitle = nullptr;
    QLabel* runKind = nullptr;
    QGroupBox* contestChoice = nullptr;
    QList<QRadioButton*> contestButtons; // in catalogue order
    QGroupBox* runChoice = nullptr;
    QRadioButton* simulationButton = nullptr;
    QRadioButton* contestButton = nullptr;
    QLabel* runNotice = nullptr;

    QLabel* ownCallCaption = nullptr;
    QLineEdit* ownCall = nullptr;
    QLabel* ownCountyCaption = nullptr;
    QLineEdit* ownCounty = nullptr;
    QLineEdit* errorLine = nullptr;
    QLabel* sentCodeCaption = nullptr;
    QLineEdit* sentCode = nullptr;
    QLabel* utcOffsetCaption = nullptr;
    QLineEdit* utcOffset = nullptr;
    QLabel* startDateCaption = nullptr;
    QLineEdit* startDate = nullptr;
    QLabel* startTimeCaption = nullptr;
    QLineEdit* startTime = nullptr;
    QLabel* portCaption = nullptr;
    QLineEdit* portNumber = nullptr;
    QLabel* portDevice = nullptr;      // the device the port number resolves to
    QLabel* realTimeWarning = nullptr; // CW timing without real-time priority
    QLabel* dataFolder = nullptr;      // the data folder in use

    QGroupBox* cwByPc = nullptr;
    QRadioButton* cwByPcYes = nullptr;
    QRadioButton* cwByPcNo = nullptr;
    QCheckBox* cwRepeat = nullptr;
    QGroupBox* ssbByPc = nullptr;
    QRadioButton* ssbByPcYes = nullptr;
    QRadioButton* ssbByPcNo = nullptr;
    QCheckBox* ssbRepeat = nullptr;
    QGroupBox* keyerTextsPanel = nullptr;
    QLineEdit* keyerTexts[7] = {};
    QLabel* sentCodeLegend = nullptr;
    QLabel* ownCountyLegend = nullptr;

    QAction* quitAction = nullptr;
    QAction* startAction = nullptr;
    QAction* logAction = nullptr;
    QAction* offlineInputAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* radioAction = nullptr; // the radio and keyer settings
};
