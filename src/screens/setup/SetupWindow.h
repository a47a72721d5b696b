#pragma once

#include "screens/ScreenServices.h"
#include "screens/setup/InitControls.h"

#include <QMainWindow>

struct ContestDef;
class FieldKeys;
class QsoWindow;

/// The set-up screen: contest choice, CONCURS / SIMULARE, station data, hand-over to the QSO
/// screen.
class SetupWindow : public QMainWindow {
    Q_OBJECT
public:
    SetupWindow(ScreenServices& services, QsoWindow& qso, QWidget* parent = nullptr);

    InitControls ui;

    /// Start-up (also run when re-opened); false when the program must end.
    bool load();
    /// The hand-over to the QSO screen ("START-&QSO ").
    void startQso();
    /// The click handler of the contest's option button.
    void chooseContest(const ContestDef& def);

signals:
    void logViewRequested();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    QWidget* buildStationBoxes();
    QWidget* buildKeyerOptions();
    void buildMenus();

    void applyLayoutFactors();
    void showRealtimeNotice();
    void checkSoundCard();
    bool openDatabases();
    void warnIfLogReadOnly();
    bool settingsBoxesWritable();
    void restoreReopenedState();
    void focusAfterLoad();

    void presentContest(const ContestDef& def);
    void presentShape(const ContestDef& def);
    void presentSentCode(const ContestDef& def);
    void hideSentCode();
    void focusSentCodeOrCall();
    void prefillCallAreaDigit(const QString& call);
    void focusOwnCallOrCounty();

    // the station boxes' keys
    void installBoxKeys();
    void ownCallEntered();
    void lookUpOwnCall();
    void ownCountyEntered();
    void sentCodeEntered();
    void startDateEntered();
    void startTimeEntered();
    void keyerTextEntered(int index);
    void portEntered();
    void showPortDevice();

    void chooseContestMode();
    void chooseSimulation();
    void keyCwByPc();
    void keyCwByHand();
    void cwRepeatToggled();
    void playSsbByPc();
    void playSsbByHand();
    /// "Nu" for CW or SSB: no repeat, no keying by the PC, no pause box.
    void notKeyedByPc(class QCheckBox* repeat, bool& repeatFlag, bool& pcFlag);
    void makeWavFolder();
    void openLogView();
    void startOffLineLog();
    void confirmExit();
    bool checkContestAndMode();
    void refuse(const QString& text);
    void setStartStamp();
    bool handOverChecks();
    /// Before a real contest starts on a log of an earlier one, asks whether to empty it.
    bool logReadyForContest();
    void handOver();

    ScreenServices& m_services;
    AppState& m_state;
    QsoWindow& m_qso;
    FieldKeys* m_keys = nullptr;
    bool m_contestLogAsked = false;
};
