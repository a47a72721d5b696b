#include "contact/ContactEngine.h"

#include "rules/SerialCode.h"

ContactEngine::ContactEngine(ContestRun& run, Database& logDb, Database& callDb,
                             const SpecialStations& specials, const Clock& clock)
    : m_run(run), m_specials(specials), m_log(logDb), m_hand(run),
      m_lookup(run, callDb, m_specials, m_hand), m_rules(run, m_log, m_specials, clock, m_hand),
      m_store(run, logDb, m_log, m_specials, clock, m_hand), m_totals(run, m_log), m_rate(logDb) {}

LookupView ContactEngine::lookUpCallsign() {
    LookupView view = m_lookup.lookUp(m_store.sentCode());
    m_rules.previewPoints();
    return view;
}

Acceptance ContactEngine::acceptCallsign() {
    QsoContact& c = m_hand.contact;
    if (m_run.contest().serialSent() && c.codeSent.trimmed().isEmpty())
        c.codeSent = SerialCode::next(m_store.sentCode());
    Acceptance accepted;
    accepted.lookup = lookUpCallsign();
    accepted.reserved = m_store.reserveSerial();
    accepted.dupe = m_rules.checkDuplicate();
    return accepted;
}

Outcome<void> ContactEngine::clearContact() {
    Outcome<void> left = m_store.cancelCorrection();
    m_hand.clear();
    return left;
}

Outcome<void> ContactEngine::resumeCancelled(HeldContact held) {
    Outcome<void> left;
    if (held.correction) {
        m_store.resumeCorrection(*held.correction);
    } else {
        left = m_store.cancelCorrection();
        // What is sent next stays as it is now: the code may have moved on since the cancel.
        const QsoContact& now = m_hand.contact;
        held.contact.rstSent = now.rstSent;
        held.contact.codeSent = now.codeSent;
        held.contact.reservedSerial.clear(); // given up at the cancel: never sent again
        held.contact.countySent = now.countySent;
    }
    m_hand.contact = held.contact;
    return left;
}

EnterResult ContactEngine::logContact() {
    if (std::optional<EnterResult> refused = m_rules.refusalToLog())
        return *refused;
    const QString call = m_hand.contact.callsign.trimmed().toUpper();
    m_rules.scoreForLog();
    const int stage = m_hand.stage();
    EnterResult result = m_store.write();
    if (result.status != EnterResult::Status::Logged)
        return result;
    result.totalsFailed = !m_totals.recount();
    // A correction may move its contact in time: the stage's stamps are read again.
    if (result.corrected)
        result.totalsFailed |= !m_rate.readAgain();
    else
        result.totalsFailed |= !m_rate.add(stage, result.date, result.utc);
    result.learnFailed = !m_lookup.learn(call, m_hand.contact.countyReceived.trimmed());
    m_hand.clear();
    m_hand.prefilledCallsign();
    return result;
}

HeldContact ContactEngine::takeContact() {
    HeldContact taken = m_hand.keep(true);
    if (!m_hand.correction)
        m_store.advanceSentCode();
    return taken;
}

EnterResult ContactEngine::logTaken(HeldContact& taken) {
    const HeldContact typing = m_hand.keep(false);
    m_hand.bringBack(taken);
    EnterResult result = logContact();
    if (result.status != EnterResult::Status::Logged)
        taken = m_hand.keep(false);
    m_hand.bringBack(typing);
    return result;
}
