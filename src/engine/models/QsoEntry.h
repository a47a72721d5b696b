#pragma once

#include "base/RadioSettings.h"
#include "base/seams/Dialogs.h"
#include "base/seams/Rig.h"
#include "contact/ContactEngine.h"
#include "rules/CwWeight.h"
#include "rules/EditLine.h"
#include "rules/EntryField.h"
#include "services/keyer/CwKeyer.h"
#include "services/keyer/CwMacros.h"
#include "services/keyer/KeyPort.h"
#include "services/keyer/RepeatPause.h"
#include "services/keyer/VoiceKeyer.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <utility>

class CwKeyer;
class RigLink;
class VoicePlayer;

/// What the entry model reaches the outside world through.
struct EntryServices {
    ContestRun& run;
    Database& logDb;
    Database& callDb;
    const SpecialStations& specials;
    const Clock& clock;
    KeyPort& keyPort; // the serial port voice messages key RTS on
    CwKeyer& keyer;
    VoicePlayer& voice;
    RigLink* rig = nullptr; // the radio by CAT, when the program has one
};

/// Where the contact in hand stands.
enum class EntryPhase {
    Closed,       // stage or mode not chosen yet: the fields take nothing
    Open,         // a contact being entered (or none yet)
    Duplicate,    // the callsign in hand was worked in its stage: it is never logged
    DupeAnswered, // F2/F4 sent the duplicate's answer; the next press sends the normal text
    Correcting,   // a logged contact in the fields, replaced in place when logged
};

/// What the callsign field's colour means.
enum class CallsignMark { Plain, New, Duplicate };

/// What the keyer is doing, for the keyer frame.
enum class Transmission {
    Idle,
    Sending,       // a single message
    Repeating,     // the F1 message of a repeat
    RepeatWaiting, // the pause between two repeats
};

/// What the screen shows of the contact in hand: derived from the model's inputs, never stored.
struct ShownState {
    EntryPhase phase = EntryPhase::Closed;
    bool logEnabled = false;   // Enter, F12 and Insert log, or say what is missing
    bool inLogEnabled = false; // IN LOG: only a contact that can be logged as it stands
    bool newMultiplier = false;
    CallsignMark mark = CallsignMark::Plain;
    bool duplicate = false;
    bool errorShown = false; // the lookup's error line, while the callsign is the one it names
    bool stationShown = true;
    bool recoveryEnabled = false; // REC&UP: a contact cancelled or not logged waits
};

/// What the operator did on the contact in hand and what its lookup answered: cleared, set aside
/// and brought back with the contact.
struct ContactMoves {
    // The operator's last move lets the contact be logged (a duplicate aside): moving on from a
    // field arms IN LOG, entering the report, code, date or time disarms it.
    bool logArmed = false;
    // F2/F4 answered the duplicate in hand; the next press sends the normal text.
    bool dupeAnswered = false;
    // Off-line, the date the operator typed for this contact is never moved past midnight.
    bool dateTyped = false;
    QString lookedUp; // the callsign the lookup answered for
    LookupView lookup;
};

/// The contact in hand, as a cancel left it, for the recovery menu.
struct EntrySnapshot {
    QsoContact contact;
    std::optional<CorrectionTarget> correction;
    ContactMoves moves;
};

/// The QSO screen's operator loop without widgets: it takes the operator's keys, buttons and
/// menu commands, keeps the contact in hand in one explicit state, logs through the contact
/// engine, keys through the CW and voice senders, and answers what the screen shows.
class QsoEntry : public QObject {
    Q_OBJECT
public:
    explicit QsoEntry(EntryServices services, QObject* parent = nullptr);
    ~QsoEntry() override;

    // ---- actions ----
    /// Starts the QSO screen from the set-up the set-up screen handed over to the run.
    void start();
    /// The contest chosen on the set-up screen, before the QSO screen starts.
    void contestChosen();
    /// A key stroke in `field`: pressed, its character through the field's rules, the edit, and
    /// released. False when it is none of the field's: the screen handles it as its own.
    bool key(EntryField field, const EntryKey& key);
    /// `text` pasted or dropped into `field` over its selection or at its cursor, what its keys
    /// would refuse left out; then the field acts as on a released key.
    void paste(EntryField field, const QString& text);
    /// The operator moved the cursor of `field`, or selected from `anchor` to `cursor`.
    void select(EntryField field, int cursor, int anchor);
    /// A double click into `field`; true when it emptied the field.
    bool doubleClicked(EntryField field);
    /// `field` took the focus.
    void focusEntered(EntryField field);
    /// A callsign chosen from the partial check.
    void chooseCallsign(const QString& callsign);
    /// A stage button: 1..4 = 1A, 1B, 2A, 2B.
    void chooseStage(int stage);
    void chooseCw();
    void chooseSsb();
    /// IN LOG.
    void logContact();
    /// ANULAT: clears the contact in hand, kept for the recovery menu.
    void cancelContact();
    /// REC&UP.DUPA ANULARE.
    void recover();
    /// Alt+F2: the last contact into the fields, to be corrected in place.
    void correctLastContact();
    /// A county chosen from the list the lookup offered.
    void chooseCounty(const QString& entry);
    /// Delete in the log grid, on the contact with `ID` `id`: the question that names it, none
    /// when it is not in the log.
    std::optional<QString> deleteQuestion(qint64 id);
    /// Deletes the contact with `ID` `id`, once the operator answered Yes to its question.
    void deleteContact(qint64 id);
    /// PageUp / PageDown and the speed arrows.
    void changeCwSpeed(bool up);
    void setWeight(CwWeight weight) { m_cw.setWeight(weight); }
    /// End or Escape, or the screen left: no message or repeat goes on.
    void abortKeying();
    /// The sent-code label, as the set-up screen sets it before a contest.
    void setSentCode(const QString& code);
    /// The QSO screen is left: the radio is no longer read.
    void stopFollowingRadio();
    /// Reads the totals, the board, the grid and the serial again when another program changed
    /// the log; true then.
    bool followLog();
    /// The sent serial after the newest contact in the log into the contact in hand.
    void takeSentCodeAfterLast();

    // ---- answers ----
    /// The phase, IN LOG, the new-multiplier and duplicate marks, from the engine's contact, the
    /// correction, the stage, the mode and the operator's last moves.
    ShownState shown() const;
    EntryPhase phase() const { return shown().phase; }
    QString text(EntryField field) const;
    /// The text of `field` with its cursor and selection.
    EditLine line(EntryField field) const;
    const FocusRequest& focus() const { return m_focus; }
    bool logEnabled() const { return shown().logEnabled; }
    bool newMultiplier() const { return shown().newMultiplier; }
    CallsignMark callsignMark() const { return shown().mark; }
    QString errorText() const { return m_moves.lookup.errorText; }
    const QStringList& countyChoices() const { return m_moves.lookup.counties; }
    QString sentLabel() const { return m_engine.sentCode(); }
    /// The stage and mode shown: those of a correction, else the current ones.
    int shownStage() const;
    bool shownCw() const;
    std::array<ResultRow, 4> results() const { return m_engine.resultRows(); }
    /// The rate of the current stage: at the clock, or off-line at the newest contact typed.
    RateFigures rate() const {
        return m_run.offLine() ? m_engine.rateAtNewest() : m_engine.rateAt(m_clock.utcNow());
    }
    /// The board codes worked in the current stage, greyed on the board.
    const QStringList& workedCounties() const { return m_worked; }
    /// Grows whenever the log grid must show the stage again (`gridBeginning` empty) or the
    /// callsigns starting with `gridBeginning`.
    int gridSerial() const { return m_gridSerial; }
    /// Grows whenever the log may have changed otherwise than by a contact added at the end of
    /// its stage: the rows the grid read before are then to be read again.
    int gridLogChanges() const { return m_gridLogChanges; }
    QString gridBeginning() const { return m_gridBeginning; }
    int wpm() const { return m_wpm; }
    Transmission transmission() const { return m_transmission; }
    /// The function key being sent (1..7), 0 for none.
    int sendingKey() const { return m_sendingKey; }
    /// The function keys whose messages wait for the one under way, in their order.
    QList<int> waitingKeys() const;
    /// What of the CW message has gone out.
    QString sentSoFar() const { return m_sendingText.left(m_sentCount); }
    bool messageUnderWay() const;
    /// What the radio reported last; none while it does not answer or none is chosen.
    const std::optional<RigReading>& radioReading() const { return m_radioReading; }
    /// Why the radio chosen does not answer; empty while it does or none is chosen.
    QString radioSilence() const { return m_radioSilence; }
    /// The contest's band in metres while the radio reports a frequency outside it.
    std::optional<int> offBand() const;
    /// The radio and keyer settings read when the screen opened.
    const RadioSettings& radioSettings() const { return m_radio; }
    /// Grows with every typed character a field refused.
    int refusedKeys() const { return m_refusedKeys; }
    /// What the model has said that the screen has not shown yet, oldest first.
    const QList<Dialogs::Notice>& notices() const { return m_notices; }
    /// The notices to show now; the screen shows each once.
    QList<Dialogs::Notice> takeNotices() { return std::exchange(m_notices, {}); }

signals:
    /// Something shown changed while a message was under way.
    void changed();
    /// A key stroke or a paste changed the text of `field`.
    void textEdited(EntryField field, const QString& text);

private:
    const ContestDef& def() const { return m_run.contest(); }
    QString& field(EntryField f);
    bool modeChosen() const;
    bool isCw() const;
    void requestFocus(EntryField f, Caret caret = Caret::Keep, int position = 0);
    /// The focus on `f`: the field it leaves keeps no selection.
    void moveFocus(EntryField f);
    void placeCaret(EntryField f, Caret caret, int position);
    /// The key's edit of `field` once its own keys let it through: `typed` taken, or the cursor
    /// and deleting keys; false for a key that is neither.
    bool edit(EntryField f, const EntryKey& key, QChar typed);
    /// `text` at the cursor of `f`, what the field refuses left out.
    void insertText(EntryField f, const QString& text);
    void storeLine(EntryField f, const EditLine& line);
    /// What made the grid show again: a change to the log, a contact added at the end of its
    /// stage and nothing else, or only the operator's view of it.
    enum class GridChange { Log, Added, View };
    void refreshGrid(const QString& beginning = {}, GridChange change = GridChange::Log);
    void message(const QString& text, bool exclamation = true);
    void say(const Dialogs::Notice& notice) { m_notices.append(notice); }

    // the contact
    void repairDoubledPrefix();
    void acceptCallsign();
    void showLookup(const LookupView& view);
    void showDupe(const DupeView& view);
    void prepareCallsign();
    void clearContact(bool keepForRecovery);
    void keepContactInHand();
    void recheckContact();
    void fitReports(QsoContact& contact) const;
    void deriveMultipliers();
    void afterModeChosen(const QString& report);
    void refreshBoard();
    void refreshTotals();
    bool dataComplete();
    /// The checks before a contact is logged, whatever triggers it; their messages shown.
    bool readyToLog();
    /// What the screen shows once the engine has logged a contact (or refused it); true when
    /// it was logged.
    bool showLogged(const EnterResult& r);
    EntrySnapshot snapshot() const;
    /// A contact taken out of the entry when a message that logs it began.
    struct TakenContact {
        EntrySnapshot entry;
        QString sentLabel; // the sent-code label before it was taken
        std::optional<ContactPlace> place;
    };
    /// Takes the contact in hand for the message that logs it; the entry is then the next one's.
    TakenContact takeContact();
    /// Logs a taken contact when its message has gone; one that cannot be logged is given back.
    void logTaken(TakenContact taken);
    /// A taken contact not logged goes back into the entry, or to REC&UP when the next contact
    /// is under way.
    void giveBack(const TakenContact& taken);
    bool charactersLegal();
    void dateIncomplete();
    void padReceivedCode();
    void squeezeCallsign();
    void squeezeFields();

    // the keys
    bool keyDown(EntryField field, const EntryKey& key);
    bool keyPress(EntryField field, QChar& typed);
    void keyUp(EntryField field);
    bool altKeys(const EntryKey& key);
    void functionKey(EntryField field, int n);
    void offLineKey(int n);
    bool callsignKeyDown(const EntryKey& key);
    bool callsignKeyPress(QChar c, bool space);
    void codeMovesOn(bool pad, bool selectCounty);
    bool enterKey();
    bool codeKeyPress(QChar c, bool space);
    void codeKeyUp();
    void countyMovesOn();
    bool countyAccepted();
    void takeClubWord();
    bool countyKeyPress(QChar c, bool space);
    void countyKeyUp();
    bool separatorKey(EntryField f, const EntryKey& key);
    static bool dateWhole(const QString& text);
    void acceptDate();
    bool dateKeyPress();
    void acceptTime();
    bool timeKeyPress(bool space);
    void moveOnOffLine();
    void badDateOrTime(EntryField f, const QString& text);
    bool spaceMovesToCallsign(bool space);

    // the radio
    void attachRadio();
    void followRadio();
    /// Said once, for the first contact logged while the radio is outside the contest's band.
    void noticeOffBand();

    // keying
    /// What runs when the message under way has ended (or at once when it did not start).
    using AfterMessage = std::function<void(KeyingResult)>;
    CwMacroResult expandMacros(const QString& cwText);
    /// A message asked for while another is under way: it goes after it, in the order asked.
    struct WaitingMessage {
        int key; // the function key that asked for it, 0 for Alt+F3
        std::function<KeyingResult()> start;
        AfterMessage after;
        int typedAtPress;
    };
    /// True when the message of `key` had to wait for the one under way.
    bool queuedWhileBusy(int key, std::function<KeyingResult()> start, const AfterMessage& after);
    void startWaitingMessage();
    void dropWaitingMessages();
    KeyingResult sendCw(int key, const QString& cwText, AfterMessage after = {});
    /// The common start of a CW or voice message: `r` is what its sender's start() answered.
    KeyingResult messageStarted(KeyingResult r, AfterMessage after, int speedChange);
    /// Both senders' finished(): the transmission ends and `after` of the message runs.
    void messageFinished(KeyingResult r);
    bool repeating() const;
    void transmit(int n, const QString& cwText, bool acceptFirst, bool f4);
    void repeatCw();
    void endRepeats();
    void afterF1(EntryField field);
    void sendAndLog(int n, EntryField field);
    void answerDupe(int n, bool f4);
    void cwFunctionKey(int n, EntryField field);
    void playVoice(int n, AfterMessage after = {});
    void repeatVoice();
    void voiceFunctionKey(int n, EntryField field);
    bool transmitLastReport();
    void portError();
    void stopRepeats();

    ContestRun& m_run;
    const Clock& m_clock;
    ContactEngine m_engine;
    CwKeyer& m_cw;
    VoiceKeyer m_voice;
    RigLink* m_rig;
    RadioSettings m_radio;
    std::optional<RigReading> m_radioReading;
    QString m_radioSilence;
    bool m_offBandNoticed = false; // until the radio is back inside the band
    RepeatPause m_cwRepeat;
    RepeatPause m_ssbRepeat;

    FocusRequest m_focus;
    // The cursor and selection of each field, for the text they were set on: a text the model
    // wrote since shows with the cursor after it.
    std::array<EditLine, kEntryFieldCount> m_lines;
    EntryField m_focused = EntryField::Callsign;
    int m_pressedKey = 0; // the key whose character comes next
    std::array<QString, 7> m_messages;
    QString m_pauseCw;
    QString m_pauseSsb;

    ContactMoves m_moves;
    // A character went into the date: checked on its release once the date is whole.
    bool m_dateTyped = false;
    QStringList m_worked; // the log's answer, read again whenever the log changes
    std::optional<EntrySnapshot> m_snapshot; // offered by REC&UP while it is there
    int m_gridSerial = 0;
    int m_gridLogChanges = 0;
    int m_refusedKeys = 0;
    QList<Dialogs::Notice> m_notices;
    QString m_gridBeginning;

    int m_wpm;
    Transmission m_transmission = Transmission::Idle;
    int m_sendingKey = 0;
    QString m_sendingText;
    int m_sentCount = 0; // the characters of it the keyer has sent
    Transmission m_transmissionBefore = Transmission::Idle;
    int m_speedChange = 0;
    AfterMessage m_afterMessage;
    QList<WaitingMessage> m_waiting;
    bool m_afterMessageRuns = false;
    int m_typed = 0; // keys typed into the fields, so that a focus move meant for the end of a
                     // message is dropped when the operator has typed since it began
    int m_typedAtStart = 0;
};
