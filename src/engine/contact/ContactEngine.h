#pragma once

#include "contact/CallsignLookup.h"
#include "contact/ContactInHand.h"
#include "contact/ContactRules.h"
#include "contact/ContactStore.h"
#include "contact/LogRate.h"
#include "contact/LogTotals.h"

/// What accepting a callsign found, in the order it was done.
struct Acceptance {
    LookupView lookup;
    Outcome<void> reserved; // the serial shown reserved in the log
    DupeView dupe;
};

// The contact in hand and the parts that decide about it: the callsign lookup, the contest's
// rules, the log it is stored in and the totals counted from that log. Each part does one job;
// this owner wires them to one contact and runs the steps that span them in order: the entry
// model asks only this owner, never its parts.
class ContactEngine {
public:
    ContactEngine(ContestRun& run, Database& logDb, Database& callDb,
                  const SpecialStations& specials, const Clock& clock);

    QsoContact& contact() { return m_hand.contact; }
    const QsoContact& contact() const { return m_hand.contact; }
    ContactInHand& inHand() { return m_hand; }
    const ContactInHand& inHand() const { return m_hand; }
    CallsignLookup& lookup() { return m_lookup; }
    ContactRules& rules() { return m_rules; }
    const ContactRules& rules() const { return m_rules; }
    ContactStore& store() { return m_store; }
    const ContactStore& store() const { return m_store; }
    LogTotals& totals() { return m_totals; }
    const LogTotals& totals() const { return m_totals; }
    LogRate& rate() { return m_rate; }
    const LogRate& rate() const { return m_rate; }

    // ---- the contact in hand ----
    const std::optional<CorrectionTarget>& correction() const { return m_hand.correction; }
    /// True when the entry holds more than an empty or prefilled callsign, or a correction.
    bool held() const { return m_hand.held(); }
    /// The callsign field's text for the next contact.
    QString prefilledCallsign() { return m_hand.prefilledCallsign(); }
    /// Leaves a correction under way (its row stays as it was) and clears the entry for the
    /// next contact.
    [[nodiscard]] Outcome<void> clearContact();
    /// Brings `held` back as the contact in hand, as it was.
    void restore(const HeldContact& held) { m_hand.bringBack(held); }
    /// REC&UP: brings a cancelled contact back: a correction of the same row, or a new contact
    /// that sends what would be sent now (any correction under way is left).
    [[nodiscard]] Outcome<void> resumeCancelled(HeldContact held);
    /// Alt+F2: the newest contact logged into the entry, to be corrected in place.
    [[nodiscard]] Outcome<std::optional<LogRow>> startCorrection() {
        return m_store.startCorrection();
    }

    // ---- the steps of a contact ----
    /// Looks the callsign up, fills the exchange and the points preview.
    LookupView lookUpCallsign();
    /// The callsign accepted: the serial to send when none is shown, the lookup, the serial
    /// reserved in the log, the duplicate check.
    Acceptance acceptCallsign();
    /// The duplicate check of the contact's stage, then the multiplier check.
    DupeView checkDuplicate() { return m_rules.checkDuplicate(); }
    [[nodiscard]] Outcome<void> reserveSerial() { return m_store.reserveSerial(); }
    [[nodiscard]] Outcome<bool> codeChanged(const QString& code) {
        return m_rules.codeChanged(code);
    }
    void countyChanged(const QString& county) { m_rules.countyChanged(county); }
    [[nodiscard]] Outcome<bool> checkMultiplier() { return m_rules.checkMultiplier(); }
    [[nodiscard]] Outcome<std::pair<QString, bool>> takeCountyChoice(const QString& entry) {
        return m_rules.takeCountyChoice(entry);
    }
    QString clubWordFor(const QString& text) const { return m_lookup.clubWordFor(text); }
    QString refuseOwnCall() { return m_rules.refuseOwnCall(); }
    std::optional<EntryField> firstIncompleteField() const {
        return m_rules.firstIncompleteField();
    }
    std::optional<EnterResult> refusalToLog() { return m_rules.refusalToLog(); }
    /// Logs the contact in hand: judged, scored, stored, counted, taught to the callsign
    /// database; the entry is then cleared for the next contact.
    EnterResult logContact();
    /// Takes the contact in hand out of the entry, to be logged later (when its message has
    /// gone) in the stage and mode it was taken in; the entry is cleared for the next contact,
    /// whose sent code follows the taken one as if it were logged.
    HeldContact takeContact();
    /// Logs a contact taken before; the contact in hand stays as it is. When it is not logged,
    /// `taken` holds what the judgement made of it.
    EnterResult logTaken(HeldContact& taken);

    // ---- the log ----
    [[nodiscard]] Outcome<std::optional<LogRow>> storedContact(qint64 id) {
        return m_store.storedContact(id);
    }
    [[nodiscard]] Outcome<void> deleteContact(qint64 id) { return m_store.deleteContact(id); }
    [[nodiscard]] Outcome<void> deriveMultipliers() { return m_store.deriveMultipliers(); }
    [[nodiscard]] Outcome<bool> followLog() { return m_store.followLog(); }
    /// The totals and the rate of `stage` read again from the log; false when they could not be.
    bool recount(int stage) { return m_totals.recount() && m_rate.reload(stage); }
    QStringList workedBoard(int stage) {
        return m_totals.workedBoard(m_store.multipliersHeld(stage));
    }
    std::array<ResultRow, 4> resultRows() const { return m_totals.resultRows(); }
    RateFigures rateAt(const QDateTime& now) const { return m_rate.at(now); }
    RateFigures rateAtNewest() const { return m_rate.atNewest(); }

    // ---- what is sent ----
    const QString& sentCode() const { return m_store.sentCode(); }
    void setSentCode(const QString& code) { m_store.setSentCode(code); }
    [[nodiscard]] Outcome<QString> sentCodeAfterLast() { return m_store.sentCodeAfterLast(); }
    QString lastLogged() const { return m_store.lastLogged(); }
    void setRadioFrequency(std::optional<qint64> hz) { m_store.setRadioFrequency(hz); }

private:
    const ContestRun& m_run;
    SpecialStations m_specials;
    LogStore m_log;
    ContactInHand m_hand;
    CallsignLookup m_lookup;
    ContactRules m_rules;
    ContactStore m_store;
    LogTotals m_totals;
    LogRate m_rate;
};
