#include "contact/ContactInHand.h"

#include "rules/SerialCode.h"

#include <utility>

int ContactInHand::stage() const {
    return correction ? correction->stage : m_place ? m_place->stage : stageNumber(m_run.stage());
}

Mode ContactInHand::mode() const {
    return correction ? correction->mode : m_place ? m_place->mode : m_run.mode();
}

qint64 ContactInHand::correctedId() const {
    return correction ? correction->id : 0;
}

bool ContactInHand::held() const {
    const QString call = contact.callsign.trimmed();
    const bool onlyPrefill = m_run.contest().log.yoPrefill && call == QStringLiteral("YO");
    return correction || (!call.isEmpty() && !onlyPrefill) ||
           !contact.codeReceived.trimmed().isEmpty() || !contact.countyReceived.trimmed().isEmpty();
}

void ContactInHand::clear() {
    // A serial once shown may have gone on the air: the next contact never sends it again.
    if (!contact.reservedSerial.isEmpty())
        contact.codeSent = SerialCode::next(std::exchange(contact.reservedSerial, QString()));
    contact.callsign.clear();
    contact.codeReceived.clear();
    contact.countyReceived.clear();
    if (!m_run.offLine()) {
        contact.date.clear();
        contact.utc.clear();
    }
    contact.mult = QStringLiteral("  ");
    contact.proposedCounty.clear();
    contact.newMult = false;
    contact.checked = false;
    contact.dupe = false;
    contact.otherMode = false;
    contact.notFound = false;
}

HeldContact ContactInHand::keep(bool pinned) const {
    return {contact, correction,
            pinned ? std::optional<ContactPlace>(ContactPlace{stage(), mode()}) : m_place};
}

void ContactInHand::bringBack(const HeldContact& held) {
    contact = held.contact;
    correction = held.correction;
    m_place = held.place;
}

QString ContactInHand::prefilledCallsign() {
    if (m_run.contest().log.yoPrefill)
        contact.callsign = QStringLiteral("YO");
    return contact.callsign;
}

QString ContactInHand::defaultReport(Mode mode) {
    return mode == Mode::Cw ? QStringLiteral("599") : QStringLiteral("59");
}
