#pragma once

#include "models/SetupModel.h"
#include "rules/LayoutFactors.h"
#include "screens/ScreenServices.h"
#include "screens/setup/InitControls.h"

#include <QMainWindow>

struct ContestDef;
class FieldKeys;

/// The set-up screen: contest choice, CONCURS / SIMULARE, station data, hand-over to the QSO
/// screen.
class SetupWindow : public QMainWindow {
    Q_OBJECT
public:
    /// `autoStart`: started by a script ("AUTO"), which a question would stop.
    SetupWindow(ScreenServices& services, bool autoStart = false, QWidget* parent = nullptr);

    InitControls ui;

    /// Start-up (also run when re-opened, with the code the QSO screen sends next); false when
    /// the program must end.
    bool load(const QString& sentCode = {});
    /// The hand-over to the QSO screen ("START-&QSO ").
    void startQso();
    /// The click handler of the contest's option button.
    void chooseContest(const ContestDef& def);

signals:
    /// A contest was clicked: the QSO screen shows its stages, modes and fields.
    void contestChosen();
    /// The checks passed and the run is begun: the QSO screen starts.
    void runBegun();
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
    void restoreReopenedState(const QString& sentCode);
    void focusAfterLoad();

    void presentContest(const ContestDef& def);
    void presentShape(const ContestDef& def);
    void presentSentCode();
    /// The only place that shows, hides, enables and checks the controls: SetupModel::shown.
    void render();
    void focusSentCodeOrCall();
    void prefillCallAreaDigit(const QString& call);
    void focusOwnCallOrCounty();

    // the station boxes' keys
    void installBoxKeys();
    void ownCallEntered();
    void lookUpOwnCall(const QString& call);
    void ownCountyEntered();
    void startDateEntered();
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
    /// "Nu" for CW or SSB: no repeat box, the focus on the own callsign.
    void notKeyedByPc();
    void makeWavFolder();
    void openLogView();
    void startOffLineLog();
    void confirmExit();
    bool checkContestAndMode();
    void refuse(const QString& text);
    SetupForm form() const;
    QLineEdit* box(const SetupRefusal& refusal) const;
    void showRefusal(const SetupRefusal& refusal);
    /// Before a real contest starts on a log of an earlier one, asks whether to empty it.
    bool logReadyForContest();
    void begin(const HandOver& handOver);
    const ContestRun& run() const { return m_model.run(); }

    ScreenServices& m_services;
    SetupModel m_model;
    bool m_autoStart;
    LayoutFactors m_layout;
    FieldKeys* m_keys = nullptr;
};
