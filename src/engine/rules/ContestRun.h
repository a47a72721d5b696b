#pragma once

#include "base/SettingsRecord.h"
#include "rules/ContestDef.h"

#include <QString>

/// A stage of the contest; its number is what the log's `Etapa` column holds.
enum class Stage { None = 0, A1 = 1, B1 = 2, A2 = 3, B2 = 4 };

/// The mode contacts are worked in; none before the operator chooses one.
enum class Mode { None, Cw, Ssb };

/// 1..4 for a stage, 0 for none.
inline int stageNumber(Stage stage) {
    return static_cast<int>(stage);
}
/// The stage numbered 1..4; none for any other number.
inline Stage stageFromNumber(int number) {
    return number >= 1 && number <= 4 ? static_cast<Stage>(number) : Stage::None;
}
/// The other of CW and SSB (CW for none).
inline Mode otherMode(Mode mode) {
    return mode == Mode::Cw ? Mode::Ssb : Mode::Cw;
}
/// "CW" or "SSB", as the log's `Mod` column holds it; empty for none.
QString modeText(Mode mode);
/// The mode a `Mod` column value names; none for anything else.
Mode modeFromText(const QString& text);

/// How the PC transmits: CW keyed and voice messages played by the program, and their repeats.
struct KeyerOptions {
    bool cwByPc = false;
    bool cwRepeat = false;
    bool ssbByPc = false;
    bool ssbRepeat = false;
    bool soundCard = false; // the machine has a sound output

    /// Voice messages are played: SSB by the PC on a machine that can play them.
    bool playsVoice() const { return ssbByPc && soundCard; }
};

/// What the set-up screen hands to the QSO screen when the operator starts.
struct HandOver {
    SettingsRecord settings;
    KeyerOptions keyer;
    bool offLine = false;
    int startCode = 0; // the start number typed as SENT COD, where the contest has one
    QString startDate; // "dd.mm.yy": now, or the first date typed for an off-line log
    QString startTime; // "hh:mm"
};

/// The contest being worked: chosen on the set-up screen, worked on the QSO screen, reported on
/// the log view. Screens read it; every change is one of the named steps below.
class ContestRun {
public:
    explicit ContestRun(QString dataFolder = {});

    /// The folder of the settings, logs and recordings.
    const QString& dataFolder() const { return m_dataFolder; }

    const ContestDef& contest() const { return *m_contest; }
    /// False until the operator clicks a contest (the default row is a contest too).
    bool contestChosen() const { return m_contestChosen; }
    /// CONCURS: the callsign database learns from the log; SIMULARE leaves it alone.
    bool realContest() const { return m_realContest; }
    bool offLine() const { return m_offLine; }
    const KeyerOptions& keyer() const { return m_keyer; }
    const SettingsRecord& settings() const { return m_settings; }
    int startCode() const { return m_startCode; }
    const QString& startDate() const { return m_startDate; }
    const QString& startTime() const { return m_startTime; }
    Stage stage() const { return m_stage; }
    Mode mode() const { return m_mode; }
    /// The set-up screen is shown again for a run already begun.
    bool setupReopened() const { return m_setupReopened; }

    // ---- the set-up screen and the log view ----
    /// The operator clicked `def`: its preset stage and mode come with it.
    void chooseContest(const ContestDef& def);
    void chooseRealContest(bool real) { m_realContest = real; }
    /// The station data: read from the settings files, typed on the set-up screen or on the log
    /// view's form for the reports.
    void takeSettings(const SettingsRecord& settings) { m_settings = settings; }
    /// A fresh set-up: no stage, no mode yet.
    void clearStageAndMode();
    void begin(const HandOver& handOver);

    // ---- the QSO screen ----
    void chooseStage(Stage stage) { m_stage = stage; }
    void chooseMode(Mode mode) { m_mode = mode; }
    /// The port failed: nothing is keyed or played by the PC any more.
    void stopKeyingByPc();
    void keepCwText(int index, const QString& text);
    /// The date and time an off-line contact starts from, after the last one typed.
    void setOffLineStamp(const QString& date, const QString& time);
    void reopenSetup() { m_setupReopened = true; }
    void resumeFromSetup() { m_setupReopened = false; }

private:
    QString m_dataFolder;
    const ContestDef* m_contest;
    bool m_contestChosen = false;
    bool m_realContest = false;
    bool m_offLine = false;
    KeyerOptions m_keyer;
    SettingsRecord m_settings;
    int m_startCode = 0;
    QString m_startDate;
    QString m_startTime;
    Stage m_stage = Stage::None;
    Mode m_mode = Mode::None;
    bool m_setupReopened = false;
};
