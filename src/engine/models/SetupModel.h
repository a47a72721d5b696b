#pragma once

#include "base/Outcome.h"
#include "rules/ContestRun.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>

class Clock;
class Database;

/// The boxes of the set-up screen, as typed.
struct SetupForm {
    QString ownCall;
    QString ownCounty;
    QString sentCode;
    QString utcOffset;
    QString startDate; // off-line only
    QString startTime;
    QString port;
    std::array<QString, 7> cwTexts;
};

/// The boxes a refusal sends the operator back to.
enum class SetupBox { OwnCall, OwnCounty, SentCode, UtcOffset, CwText };

/// Why the hand-over cannot happen yet, and what becomes of the box it names.
struct SetupRefusal {
    enum class Fix { Focus, Clear, SelectAll, PrefillCallArea };
    QString message;             // empty: the box alone says it
    std::optional<SetupBox> box; // none: a choice above the boxes is missing
    int cwText = 0;              // which F1..F7 box, for SetupBox::CwText
    Fix fix = Fix::Focus;
};

/// Where the focus goes after a contest's choice.
enum class SetupFocus { Unmoved, SentCodeOrCall, OwnCountyOrCall };

/// SENT COD as a contest's choice leaves it.
struct SentCodeStart {
    std::optional<QString> text; // none: as typed
    int cursor = -1;             // -1: where setting the text leaves it
    SetupFocus focus = SetupFocus::Unmoved;
};

/// What the set-up screen shows, enables and checks; SetupWindow::render shows it.
struct SetupShown {
    bool contestChoice = true;  // the contest buttons, until one is chosen
    bool runChoice = true;      // CONCURS / SIMULARE, until one is chosen
    bool sentCode = true;       // SENT COD and its caption
    bool sentCodeLegend = true; // "#3=CodEmis"
    bool offLineStamp = false;  // START DATA and START ORA
    bool realtimeWarning = false;
    bool ownCallUnknown = false; // the error line under the own county
    bool cwByPcFrame = true;
    bool cwByPcChoice = true; // "Da" and "Nu"
    bool keyerTexts = true;
    bool cwRepeat = true;
    std::optional<bool> cwByPcChecked; // "Da", "Nu" or neither
    bool cwRepeatChecked = false;
    bool ssbEnabled = true; // the frame and its buttons: only with a sound output
    bool ssbRepeat = true;
    std::optional<bool> ssbByPcChecked;
    bool ssbRepeatChecked = false;
};

/// The rules of the set-up screen: the choices the operator makes there and the checks before
/// the QSO screen starts. The screen shows the boxes and renders what this decides.
class SetupModel {
public:
    SetupModel(ContestRun& run, Database& logDb, const Clock& clock);

    const ContestRun& run() const { return m_run; }
    /// What the screen shows for the choices made so far.
    SetupShown shown() const;
    void chooseContest(const ContestDef& def);
    /// SENT COD after the contest's choice, from what it holds and the own callsign typed.
    SentCodeStart sentCodeOnChoice(const QString& typed, const QString& ownCall) const;
    /// The contest buttons shown again, to choose another contest.
    void offerContestChoice() { m_contestChoiceOpen = true; }
    /// CONCURS (true) or SIMULARE (false).
    void chooseRunKind(bool realContest);

    const KeyerOptions& keyer() const { return m_keyer; }
    /// "Da" (true) or "Nu" for CW keyed by the PC.
    void keyCwByPc(bool byPc);
    void setCwRepeat(bool repeat) { m_keyer.cwRepeat = repeat && m_keyer.cwByPc; }
    /// "Da" (true) or "Nu" for SSB played by the PC.
    void playSsbByPc(bool byPc);
    void setSsbRepeat(bool repeat) { m_keyer.ssbRepeat = repeat && m_keyer.ssbByPc; }
    /// Whether the machine has a sound output; without one SSB is never played by the PC.
    void setSoundCard(bool present);
    /// Whether CW may be keyed at real-time priority; without it the screen warns.
    void setRealtimeMissing(bool missing) { m_realtimeMissing = missing; }
    /// The own callsign typed was found in the callsign database (or not).
    void ownCallLookedUp(bool found) { m_ownCallUnknown = !found; }
    /// The own county was typed: an error about the callsign no longer holds.
    void ownCountyTyped() { m_ownCallUnknown = false; }

    /// INPUT-LOG-OFF-LINE: contacts typed from paper, nothing transmitted.
    void startOffLine();
    /// The date (today) and time ("00:00") an off-line log starts from until typed.
    std::pair<QString, QString> offLineStartStamp() const;
    /// The screen is shown: at the program's start, or again for the run begun.
    void startSetup();
    /// The start date typed for an off-line log, or the last valid one when it is no date.
    QString typedStartDate(const QString& typed);
    bool offLine() const { return m_offLine; }

    /// Why the log view, the off-line log or the QSO screen cannot open yet; none when they can.
    std::optional<QString> choicesMissing() const;
    /// The hand-over the boxes make, or the first reason they do not make one yet.
    std::variant<SetupRefusal, HandOver> handOver(const SetupForm& form) const;
    /// Before a real contest starts on a log of an earlier one: the question whether to empty
    /// it, asked once a run; empty when there is nothing to ask.
    QString contestLogQuestion();
    /// Empties the log after a yes; on failure the question is asked again next time.
    [[nodiscard]] Outcome<void> emptyLog();
    /// Keeps the station data, keyer texts and contest for the next run; the messages of what
    /// could not be written.
    QStringList saveSettings(const HandOver& handOver) const;
    /// The station data and keyer texts read from the settings files.
    void takeSettings(const SettingsRecord& settings) { m_run.takeSettings(settings); }
    /// The station data the boxes hold, for the log view opened from here.
    void takeStation(const SetupForm& form) { m_run.takeSettings(settingsFrom(form)); }
    /// Hands the run over to the QSO screen.
    void begin(const HandOver& handOver) { m_run.begin(handOver); }

private:
    SettingsRecord settingsFrom(const SetupForm& form) const;
    std::optional<SetupRefusal> firstRefusal(const SetupForm& form) const;
    std::optional<SetupRefusal> unwritableBox(const SetupForm& form) const;
    void setSsbByPc(bool byPc);

    ContestRun& m_run;
    Database& m_logDb;
    const Clock& m_clock;
    KeyerOptions m_keyer;
    bool m_contestChoiceOpen = true;
    std::optional<bool> m_cwAnswer; // "Da" or "Nu" as checked; none before either
    std::optional<bool> m_ssbAnswer;
    bool m_realtimeMissing = false;
    bool m_ownCallUnknown = false;
    bool m_runKindChosen = false;
    bool m_offLine = false;
    bool m_contestLogAsked = false;
    QString m_startDate; // the last valid start date of an off-line log
};
