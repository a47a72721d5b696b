#pragma once

#include "keyer/CwMacros.h"
#include "keyer/CwSender.h"
#include "keyer/CwWeight.h"
#include "keyer/KeyPort.h"
#include "keyer/RepeatPause.h"
#include "keyer/VoiceKeyer.h"
#include "logging/ContactEngine.h"
#include "logging/LogRow.h"
#include "screens/FieldKeys.h"
#include "screens/ScreenServices.h"
#include "screens/entry/LogWindowModel.h"
#include "screens/entry/QsoControls.h"
#include "screens/entry/QsoSnapshot.h"

#include <QHash>
#include <QMainWindow>
#include <optional>

struct LayoutFactors;
class QTimer;

/// The working screen of the contest: entry fields, stage and mode, results, keyer texts, log grid.
class FrmQSO : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmQSO(ScreenServices& services, QWidget* parent = nullptr);
    ~FrmQSO() override;

    QsoControls ui;
    ContactEngine& engine() { return m_engine; }

    /// The screen's load: layout factors, station data, grid and board.
    void Form_Load();
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
    /// Enables the entry fields and the date and time.
    void YesEnabl();
    /// Prepares the callsign field for the next contact.
    void YOIN();
    /// Focus on the callsign field with the caret after its trimmed text.
    void GoIndicSetFocus();
    /// Focus on the received code with the caret after its trimmed text.
    void GoRSTR2SetFocus();
    /// Lays out the log grid's columns for the contest and the layout factor.
    void ColGrid();
    /// Shows the contacts of the current stage in the grid, the newest current.
    void ViewLogB();
    /// Logs the contact in the fields.
    void Enter();
    /// The sent code shown in `LblContrInit`, kept by the engine too.
    void setSentCode(const QString& code);
    /// Alt+F2: brings the last contact into the fields to be corrected in place.
    void correctLastContact();

signals:
    /// 1_ST_PA&GE: back to the set-up screen.
    void setupRequested();
    /// E&XIT confirmed.
    void exitRequested();

protected:
    void closeEvent(class QCloseEvent* event) override;
    void hideEvent(class QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // construction
    void buildUi();
    void applyLayout(const LayoutFactors& f);
    QWidget* buildHeader();
    QWidget* buildStageRow();
    QWidget* buildEntry();
    QWidget* buildResults();
    QWidget* buildBoard();
    QWidget* buildKeyer();
    void buildMenus();
    void attachKeys();

    // fields and engine
    QList<class QLineEdit*> entryFields() const;
    void fieldsToContact();
    void contactToFields();
    void showResults();
    /// A stage or mode button with a contact in hand first clears it, as ANULAT does.
    void clearContactInHand();
    void markStage(int stage);
    void refreshBoard();
    void refreshTotals();
    void showCorrectedStageAndMode(const CorrectionTarget& target);
    void showCurrentStageAndMode();
    /// Ends a correction without logging it: the stored row stays as it was.
    void leaveCorrection();
    void markMode(bool cw);
    void afterModeChosen(const QString& report);
    void greenLabels();
    void greyLabel(const QString& code);
    void showLookup(const LookupView& view);
    void showDupe(const DupeView& view);
    void showNewMult(bool shown);
    void confirmExit();
    void tick();

    // callsign acceptance and field keys
    void SubRet();
    void YOYO();
    void partialSearch(const QString& beginning);
    bool VerifLog();
    void dateIncomplete();
    void padReceivedCode();
    void ElimSp();
    void ElimSp1();
    bool altKeys(QKeyEvent& e);
    bool commonKeyDown(QKeyEvent& e);
    void codeGo(bool pad, bool selectCounty);
    bool enterFromReport();
    void countyGo();
    void badDateOrTime(class QLineEdit* field, const QString& message);
    void stopRepeats();
    void enableLog();
    void functionKeys(QKeyEvent& e, class QLineEdit* field);
    void offLineKeys(int key);
    bool indicKeyDown(QKeyEvent& e);
    bool indicKeyPress(QChar& c);
    bool receivedKeyDown(QKeyEvent& e, class QLineEdit* field, class QLineEdit* tabTo,
                         bool middleDigit);
    bool rstr1KeyPress(QChar& c);
    bool rstr2KeyPress(QChar& c);
    void rstr2KeyUp();
    bool rstr3KeyPress(QChar& c);
    void rstr3KeyUp();
    bool sentKeyPress(QChar& c, class QLineEdit* field);
    bool sentKeyDown(QKeyEvent& e, class QLineEdit* field);
    bool dateKeyDown(QKeyEvent& e);
    bool dateKeyPress(QChar& c);
    bool timeKeyPress(QChar& c);
    void timeKeyUp();
    void acceptTime();
    void moveOnOffLine();
    bool cwTextKeyPress(QChar& c, int index);
    bool pauseKeyPress(QChar& c);

    // keying
    bool messageUnderWay() const;
    CwWeight weight() const;
    void changeCwSpeed(bool up);
    void portError();
    CwMacroResult expand(const QString& cwText);
    KeyingResult GoCW(const QString& cwText);
    KeyingResult expandAndSend(const QString& cwText);
    KeyingResult sendKey(int n, const QString& text);
    void TransmCW(int n, const QString& text);
    void Pauza();
    void afterF1(class QLineEdit* field);
    void sendAndLog(int n, class QLineEdit* field);
    void answerDupe(int n, bool f4);
    void cwFunctionKey(int key, class QLineEdit* field);
    KeyingResult GoSSB(int n);
    void PauzaSSB();
    void voiceFunctionKey(int key, class QLineEdit* field);
    bool transmitLastReport();
    void abortKeying();

    // correction
    void MemUndo();
    void mnuRecup_Click();
    void Mesagge2();
    void Sterge(qint64 id);
    void MaxRap();

    ScreenServices& m_services;
    AppState& m_state;
    ContactEngine m_engine;
    FieldKeys m_keys;
    LogWindowModel* m_grid = nullptr;
    bool m_showingNewest = false;
    QTimer* m_clock = nullptr;
    QHash<QString, class QLabel*> m_board;

    KeyPort m_port;
    CwSender m_cw;
    VoiceKeyer m_voice;
    RepeatPause m_cwRepeat;
    RepeatPause m_ssbRepeat;
    int m_wpm;
    bool m_repeating = false;

    bool m_spaceGo = false;
    bool m_f1CwPending = false;
    bool m_f1SsbPending = false;
    bool m_cwAborted = false;
    bool m_keyAbort = false;
    bool m_logAfterSend = false;
    int m_dupeState = 0; // 10: a duplicate found by F2/F4; 100: its answer sent once
    bool m_subRetPending = false;
    bool m_f4Used = false;
    bool m_undoRequest = false;
    std::optional<QsoSnapshot> m_snapshot;
    QString m_convAnsi;
};
