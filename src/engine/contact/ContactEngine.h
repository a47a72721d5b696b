#pragma once

#include "contact/CallsignLookup.h"
#include "contact/ContactInHand.h"
#include "contact/ContactRules.h"
#include "contact/ContactStore.h"
#include "contact/LogRate.h"
#include "contact/LogTotals.h"

// The contact in hand and the parts that decide about it: the callsign lookup, the contest's
// rules, the log it is stored in and the totals counted from that log. Each part does one job;
// this owner wires them to one contact and runs the steps that span them in order.
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

    /// Looks the callsign up, fills the exchange and the points preview.
    LookupView lookUpCallsign();
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

private:
    SpecialStations m_specials;
    LogStore m_log;
    ContactInHand m_hand;
    CallsignLookup m_lookup;
    ContactRules m_rules;
    ContactStore m_store;
    LogTotals m_totals;
    LogRate m_rate;
};
