#pragma once

#include "base/seams/Clock.h"
#include "contact/ContactInHand.h"
#include "contact/ContactViews.h"
#include "contact/MultiplierColumn.h"
#include "rules/SpecialStations.h"
#include "store/LogChanges.h"
#include "store/LogStore.h"

#include <QList>
#include <QString>
#include <optional>

// What the log holds of the contacts: writing the contact in hand, correcting and deleting a
// logged one, the multipliers derived from the log, the code sent next, and another program's
// changes to the same file.
class ContactStore {
public:
    ContactStore(const ContestRun& run, Database& logDb, LogStore& log,
                 const SpecialStations& specials, const Clock& clock, ContactInHand& hand);

    /// The code the station sent last, as the screen's sent-code label shows it.
    const QString& sentCode() const { return m_sentCode; }
    void setSentCode(const QString& code) { m_sentCode = code; }
    /// The frequency the radio reports now, in Hz, stored with the contacts logged from now on;
    /// none while no radio answers.
    void setRadioFrequency(std::optional<qint64> hz) { m_radioFrequency = hz; }
    /// Callsign + " " + sent text of the last contact logged.
    QString lastLogged() const { return m_lastLogged; }

    /// Writes the contact in hand, judged and scored, with its multipliers; a correction
    /// replaces its row. The code to send next follows.
    EnterResult write();
    /// Reserves in the log the serial the new contact in hand shows, unless it holds one: no
    /// other program on the log shows it, and it is the serial stored.
    [[nodiscard]] Outcome<void> reserveSerial();
    /// The sent code after the contact in hand, as if it were logged (by the contest's rule).
    void advanceSentCode();
    /// Alt+F2: brings the newest contact this program logged (the newest in the log when it
    /// logged none) into the contact in hand, to be corrected in place; the row stays in the log
    /// until `write` replaces its values. Nothing when there is no such contact.
    [[nodiscard]] Outcome<std::optional<LogRow>> startCorrection();
    /// Leaves the correction: the stored row stays as it was; the sent code follows the log.
    [[nodiscard]] Outcome<void> cancelCorrection();
    /// Returns to a correction left by a cancel (the recovery menu).
    void resumeCorrection(const CorrectionTarget& target) { m_hand.correction = target; }
    /// Deletes the contact with `ID` `id` and derives its stage's multipliers again, in one
    /// transaction; the sent-code label then follows the log, the contact in hand stays as typed.
    [[nodiscard]] Outcome<void> deleteContact(qint64 id);
    /// The stored contact `id`; nothing when it is not in the log.
    [[nodiscard]] Outcome<std::optional<LogRow>> storedContact(qint64 id) { return m_log.row(id); }
    /// Derives the multipliers the log changed under since they were last derived (another
    /// program, the log view, a restored copy), or of the whole log for another contest or station.
    [[nodiscard]] Outcome<void> deriveMultipliers();
    /// The multipliers `stage` holds.
    [[nodiscard]] Outcome<QSet<QString>> multipliersHeld(int stage) {
        return m_mults.heldIn(stage);
    }
    /// The sent code that follows the last contact logged (any mode).
    [[nodiscard]] Outcome<QString> sentCodeAfterLast();
    /// True when another program changed the log since the last look; the serial to send next is
    /// then read from it again (the caller reads the totals).
    [[nodiscard]] Outcome<bool> followLog();

private:
    const ContestDef& def() const { return m_run.contest(); }
    MultiplierStation multiplierStation() const;
    /// The sent and received texts of the contact in hand.
    std::pair<QString, QString> sentAndReceived() const;
    LogRow rowToStore();
    /// Writes the row: replaces the corrected row, or adds a new one; whether it was added with
    /// no other row changed.
    Outcome<bool> store(LogRow& row);
    /// The sent code and label from the newest contact in the log, after a correction or a
    /// delete; the reports and county sent as for a new contact.
    Outcome<void> deriveSentCode();
    /// The serial label from the newest contact in the log, and the serial sent next unless the
    /// contact in hand holds one.
    Outcome<void> serialFromLog();
    Outcome<std::optional<LogRow>> rowToCorrect();

    const ContestRun& m_run;
    Database& m_logDb;
    LogStore& m_log;
    MultiplierColumn m_mults;
    const SpecialStations& m_specials;
    const Clock& m_clock;
    ContactInHand& m_hand;
    LogChanges m_changes;
    QString m_sentCode;
    QString m_lastLogged;
    QList<qint64> m_loggedIds; // contacts this program logged, oldest first
    bool m_loggedHere = false;
    std::optional<qint64> m_radioFrequency;
};
