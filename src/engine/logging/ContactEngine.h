#pragma once

#include "entry/EntryField.h"
#include "logging/ContactViews.h"
#include "logging/LogChanges.h"
#include "logging/LogStore.h"
#include "logging/MultiplierColumn.h"
#include "logging/Points.h"
#include "logging/QsoContact.h"
#include "refdata/CallsignDb.h"
#include "refdata/SpecialStations.h"
#include "seams/Clock.h"
#include "setup/ContestRun.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

/// The logged contact that a correction (Alt+F2) edits in place.
struct CorrectionTarget {
    qint64 id = 0;
    int stage = 0;
    QString mode;
};

// Everything decided about a contact: lookup, duplicate, multiplier, points, logging, totals.
// The QSO screen fills `contact()` from its fields, calls the procedures and shows the results.
class ContactEngine {
public:
    ContactEngine(ContestRun& app, Database& logDb, Database& callDb,
                  const SpecialStations& specials, const Clock& clock);

    QsoContact& contact() { return m_contact; }
    const QsoContact& contact() const { return m_contact; }
    const ScoreLabels& labels() const { return m_labels; }
    /// The code the station sent last, as the screen's sent-code label shows it.
    void setSentCode(const QString& code) { m_labels.sentCode = code; }
    /// The frequency the radio reports now, in Hz, stored with the contacts logged from now on;
    /// none while no radio answers.
    void setRadioFrequency(std::optional<qint64> hz) { m_radioFrequency = hz; }
    /// Callsign + " " + sent text of the last contact logged.
    QString lastLogged() const { return m_lastLogged; }

    /// Looks the callsign up, fills the exchange and the points preview.
    LookupView lookUpCallsign();
    /// The duplicate check of the current stage, then the multiplier check.
    DupeView checkDuplicate();
    /// The multiplier check of the current stage; true for a new multiplier.
    [[nodiscard]] Outcome<bool> checkMultiplier();
    /// The received county changed: it is taken and the points are computed again.
    QString countyChanged(const QString& county);
    /// The received code changed; true when it marks a new station ("YL").
    [[nodiscard]] Outcome<bool> codeChanged(const QString& code);
    /// Takes an entry chosen from the county list; the county text and whether it can be logged.
    [[nodiscard]] Outcome<std::pair<QString, bool>> takeCountyChoice(const QString& entry);
    /// The club word that `text` begins while the error box shows, when no county begins with
    /// it; else `text`.
    /// After a replacement the caller hands the word to `countyChanged`.
    QString clubWordFor(const QString& text, bool errorBoxVisible) const;
    /// Blocks the contact with the station itself; the message and its title.
    std::pair<QString, QString> refuseOwnCall();
    /// The points preview of the contact in hand.
    QString previewPoints();
    /// The first entry field that is too short, or none when the data are complete.
    std::optional<EntryField> firstIncompleteField() const;
    /// Logs the contact in hand.
    EnterResult logContact();
    /// Clears the entry for the next contact.
    void clearEntry();
    /// The callsign field's text for the next contact.
    QString prefilledCallsign();
    /// Chooses stage 1..4.
    void chooseStage(int stage);
    /// The county board and contact counter of `stage` from the log.
    BoardView workedBoard(int stage);
    /// Recounts the four stages from the log into the totals; false when it failed.
    bool recountTotals();
    /// The results table, the current stage first.
    std::array<ResultRow, 4> resultRows() const;
    /// Alt+F2: brings the newest contact this program logged (the newest in the log when it
    /// logged none) into the contact in hand, to be corrected in place; the row stays in the log
    /// until `logContact` replaces its values. Nothing when there is no such contact.
    [[nodiscard]] Outcome<std::optional<LogRow>> startCorrection();
    /// Leaves the correction: the stored row stays as it was; the sent code follows the log.
    [[nodiscard]] Outcome<void> cancelCorrection();
    /// Returns to a correction left by a cancel (the recovery menu).
    void resumeCorrection(const CorrectionTarget& target);
    /// The correction under way, if any.
    const std::optional<CorrectionTarget>& correction() const { return m_correction; }
    /// True when the entry holds more than an empty or prefilled callsign, or a correction.
    bool contactInHand() const;
    /// Deletes the contact with `ID` `id` and derives its stage's multipliers again, in one
    /// transaction; the sent-code label then follows the log, the contact in hand stays as typed.
    [[nodiscard]] Outcome<void> deleteContact(qint64 id);
    /// The stored contact `id`; nothing when it is not in the log.
    [[nodiscard]] Outcome<std::optional<LogRow>> storedContact(qint64 id) { return m_log.row(id); }
    /// Derives the multipliers of the whole log (at start) or of `stage` from the contacts.
    [[nodiscard]] Outcome<void> deriveMultipliers(int stage = 0);
    /// The sent code that follows the last contact logged (any mode).
    [[nodiscard]] Outcome<QString> sentCodeAfterLast();
    /// True when another program changed the log since the last look; the serial to send next is
    /// then read from it again (the caller reads the totals).
    [[nodiscard]] Outcome<bool> followLog();

    /// The sent and received texts of the contact in hand.
    std::pair<QString, QString> sentAndReceived() const;
    /// The UTC date "dd.mm.yy" and time "hh:mm" of the clock now.
    static std::pair<QString, QString> utcDateAndTime(const Clock& clock);

private:
    const ContestDef& def() const { return m_app.contest(); }
    /// The stage and mode the contact in hand belongs to: those of the corrected row, or the
    /// current ones.
    int contactStage() const;
    QString contactMode() const;
    /// The `ID` a duplicate or multiplier check leaves out: the corrected row, else 0.
    qint64 correctedId() const;
    static QString reportOf(const QString& mode);
    static EnterResult refusal(EnterResult::Status status, const QString& message);
    /// Writes the contact: replaces the corrected row, or adds a new one; its `ID`.
    Outcome<qint64> store(LogRow& row);
    /// The sent code after a new contact, by the contest's rule.
    void advanceSentCode();
    /// The sent code and label from the newest contact in the log, after a correction or a
    /// delete; the reports and county sent as for a new contact.
    Outcome<void> deriveSentCode();
    /// The serial label and the serial sent next, from the newest contact in the log.
    Outcome<void> serialFromLog();
    Outcome<std::optional<LogRow>> rowToCorrect();
    StationContext station() const;
    Outcome<bool> isDupe(const QString& call, int stage);
    QString lookupCounty(const QString& call, bool& found);
    /// `Fgrs` (Ardel) and `IndicConc25` (CpTimis): a club-list station gets the club word.
    QString clubWordOrCounty(const QString& call, const QString& county);
    bool learn(const QString& call, const QString& county);
    LogRow rowToStore();
    MultiplierStation multiplierStation() const;

    ContestRun& m_app;
    Database& m_logDb;
    LogStore m_log;
    MultiplierColumn m_mults;
    CallsignDb m_calls;
    SpecialStations m_specials;
    const Clock& m_clock;
    QsoContact m_contact;
    ScoreLabels m_labels;
    QString m_lastLogged;
    std::optional<CorrectionTarget> m_correction;
    QList<qint64> m_loggedIds; // contacts this program logged, oldest first
    LogChanges m_changes;
    bool m_loggedHere = false;
    std::optional<qint64> m_radioFrequency;
};
