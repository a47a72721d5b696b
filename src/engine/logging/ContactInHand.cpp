#include "logging/ContactInHand.h"

int ContactInHand::stage() const {
    return correction ? correction->stage : stageNumber(m_run.stage());
}

Mode ContactInHand::mode() const {
    return correction ? correction->mode : m_run.mode();
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

QString ContactInHand::prefilledCallsign() {
    if (m_run.contest().log.yoPrefill)
        contact.callsign = QStringLiteral("YO");
    return contact.callsign;
}

QString ContactInHand::defaultReport(Mode mode) {
    return mode == Mode::Cw ? QStringLiteral("599") : QStringLiteral("59");
}
