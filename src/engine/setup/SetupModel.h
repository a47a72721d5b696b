#pragma once

#include "Outcome.h"
#include "setup/ContestRun.h"

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

/// The rules of the set-up screen: the choices the operator makes there and the checks before
/// the QSO screen starts. The screen shows the boxes and renders what this decides.
class SetupModel {
public:
    SetupModel(ContestRun& run, Database& logDb, const Clock& clock);

    const ContestRun& run() const { return m_run; }
    void chooseContest(const ContestDef& def) { m_run.chooseContest(def); }
    /// CONCURS (true) or SIMULARE (false).
    void chooseRunKind(bool realContest);

    const KeyerOptions& keyer() const { return m_keyer; }
    void keyCwByPc(bool byPc);
    void setCwRepeat(bool repeat) { m_keyer.cwRepeat = repeat && m_keyer.cwByPc; }
    void playSsbByPc(bool byPc);
    void setSsbRepeat(bool repeat) { m_keyer.ssbRepeat = repeat && m_keyer.ssbByPc; }
    /// Whether the machine has a sound output; without one SSB is never played by the PC.
    void setSoundCard(bool present);

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

    ContestRun& m_run;
    Database& m_logDb;
    const Clock& m_clock;
    KeyerOptions m_keyer;
    bool m_runKindChosen = false;
    bool m_offLine = false;
    bool m_contestLogAsked = false;
    QString m_startDate; // the last valid start date of an off-line log
};
