#include "contact/ContactRules.h"

#include "rules/CountyTables.h"
#include "rules/EntryCharacters.h"
#include "rules/MultiplierRule.h"

#include <tuple>

namespace {
// Minutes since midnight of an "hh:mm" text.
int minutesOf(const QString& hhmm) {
    return hhmm.section(QLatin1Char(':'), 0, 0).toInt() * 60 +
           hhmm.section(QLatin1Char(':'), 1, 1).toInt();
}

} // namespace

ContactRules::ContactRules(const ContestRun& run, LogStore& log, const SpecialStations& specials,
                           const Clock& clock, ContactInHand& hand)
    : m_run(run), m_log(log), m_specials(specials), m_clock(clock), m_hand(hand) {}

StationContext ContactRules::station() const {
    return {m_run.settings().myCall.trimmed(), m_hand.mode(), &m_specials};
}

Outcome<bool> ContactRules::isDupe(const QString& call, int stage) {
    const DupeRule& rule = def().log.dupeRule(stage);
    const QString mode = modeText(m_hand.mode());
    const qint64 corrected = m_hand.correctedId();
    const Outcome<std::optional<QString>> same =
        m_log.firstContact(call, stage, rule.modeAware ? mode : QString(), corrected);
    if (!same)
        return Failure{same.error()};
    if (!rule.modeAware || *same)
        return same->has_value();
    if (rule.otherModeAlwaysNew)
        return false;
    const Outcome<std::optional<QString>> other =
        m_log.firstContact(call, stage, modeText(otherMode(m_hand.mode())), corrected);
    if (!other)
        return Failure{other.error()};
    const std::optional<QString>& earlier = *other;
    if (!earlier)
        return false;
    // The mark follows the log alone, as the multiplier column derived from it does.
    if (rule.otherModeFree) {
        m_hand.contact.otherMode = true;
        return false;
    }
    if (m_run.offLine())
        return false;
    // Minutes since the earlier contact, across midnight: 23:58 to 00:09 is 11 minutes.
    const QTime clock = m_clock.utcNow().time();
    const int now = clock.hour() * 60 + clock.minute();
    const int elapsed = ((now - minutesOf(*earlier)) % 1440 + 1440) % 1440;
    return elapsed < rule.waitMinutes;
}

DupeView ContactRules::checkDuplicate() {
    QsoContact& c = m_hand.contact;
    c.otherMode = false;
    c.callsign = c.callsign.toUpper();
    const QString call = c.callsign.trimmed();
    DupeView view;
    if (call.isEmpty())
        return view;
    // The mark describes the callsign now in the field, so a corrected callsign can be logged.
    const Outcome<bool> dupe = isDupe(call, m_hand.stage());
    if (!dupe) {
        view.error = dupe.error();
        return view;
    }
    view.checked = true;
    c.checked = true;
    c.dupe = *dupe;
    view.dupe = c.dupe;
    if (c.dupe) {
        c.newMult = false; // a duplicate brings nothing
        if (def().log.dupeRule(m_hand.stage()).dupeMarksOtherMode)
            c.otherMode = true;
        return view;
    }
    if (def().log.exchange == ExchangeKind::Zodiac)
        return view;
    if (const Outcome<bool> mult = checkMultiplier(); !mult)
        return {false, false, mult.error()};
    return view;
}

Outcome<bool> ContactRules::checkMultiplier() {
    QsoContact& c = m_hand.contact;
    const int stage = m_hand.stage();
    // A corrected contact is judged against the contacts before it, as the log's column is.
    const qint64 before = m_hand.correctedId();
    QString unread;
    const QString mult = MultiplierRule::earned(
        def(), MultiplierStation::of(def(), m_specials, m_run.settings().myCounty), stage,
        {c.callsign, c.countyReceived, c.codeReceived, c.otherMode}, [&](const QString& v) {
            const Outcome<bool> held = m_log.hasMult(v, stage, before);
            if (!held && unread.isEmpty())
                unread = held.error();
            return held.valueOr(false);
        });
    if (!unread.isEmpty())
        return Failure{unread};
    c.mult = mult;
    c.newMult = MultiplierRule::isMultiplier(c.mult);
    return c.newMult;
}

QString ContactRules::countyChanged(const QString& county) {
    m_hand.contact.countyReceived = county;
    return previewPoints();
}

Outcome<bool> ContactRules::codeChanged(const QString& code) {
    m_hand.contact.codeReceived = code;
    if (*def().log.ylCode && !m_hand.contact.dupe)
        return checkMultiplier();
    return m_hand.contact.newMult;
}

Outcome<std::pair<QString, bool>> ContactRules::takeCountyChoice(const QString& entry) {
    countyChanged(CountyTables::chosenCounty(m_hand.contact.callsign, entry));
    if (const Outcome<bool> mult = checkMultiplier(); !mult)
        return Failure{mult.error()};
    return std::pair{m_hand.contact.countyReceived, !m_hand.contact.dupe};
}

QString ContactRules::refuseOwnCall() {
    m_hand.contact.newMult = false;
    m_hand.contact.dupe = true;
    return QStringLiteral("QSO CU MINE INSUMI !");
}

QString ContactRules::previewPoints() {
    m_hand.contact.points = Points::previewPoints(def(), m_hand.contact, station());
    return m_hand.contact.points;
}

std::optional<EntryField> ContactRules::firstIncompleteField() const {
    const QsoContact& c = m_hand.contact;
    const std::tuple<const QString*, int, EntryField> fields[] = {
        {&c.callsign, 3, EntryField::Callsign},
        {&c.rstSent, 2, EntryField::RstSent},
        {&c.codeSent, 1, EntryField::CodeSent},
        {&c.countySent, 1, EntryField::CountySent},
        {&c.rstReceived, 2, EntryField::RstReceived},
        {&c.codeReceived, 1, EntryField::CodeReceived},
        {&c.countyReceived, 1, EntryField::CountyReceived},
        {&c.date, 8, EntryField::Date},
        {&c.utc, 5, EntryField::Time}};
    // Only the fields the contest's screen shows are asked for.
    const bool codes = def().showsCodeFields();
    for (const auto& [text, shortest, field] : fields)
        if ((codes || (field != EntryField::CodeSent && field != EntryField::CodeReceived)) &&
            text->trimmed().size() < shortest)
            return field;
    return std::nullopt;
}

std::optional<EnterResult> ContactRules::refusalToLog() {
    // Whatever triggered it, the contact is judged on the fields as they stand now.
    const QString call = m_hand.contact.callsign.trimmed().toUpper();
    if (call.isEmpty())
        return EnterResult::refused(EnterResult::Status::EmptyCall,
                                    QStringLiteral("Introducere eronata !"));
    if (call.size() < 3)
        return EnterResult::refused(EnterResult::Status::Incomplete,
                                    QStringLiteral("Introducere incompleta !"));
    if (!EntryCharacters::legalCallsign(call))
        return EnterResult::refused(EnterResult::Status::EmptyCall,
                                    QStringLiteral("Introducere eronata !"));
    if (call == m_run.settings().myCall.trimmed().toUpper())
        return EnterResult::refused(EnterResult::Status::OwnCall,
                                    QStringLiteral("QSO CU MINE INSUMI !"));
    const CountyCheck county =
        CountyTables::checkCounty(def(), call, m_hand.contact.countyReceived.trimmed());
    if (!county.accepted)
        return EnterResult::refused(EnterResult::Status::BadCounty, county.message);
    m_hand.contact.otherMode = false;
    const Outcome<bool> dupe = isDupe(call, m_hand.stage());
    if (!dupe)
        return EnterResult::notWritten(dupe.error());
    m_hand.contact.dupe = *dupe;
    if (m_hand.contact.dupe)
        return EnterResult::refused(EnterResult::Status::Duplicate,
                                    QStringLiteral("WARNING ! QSO DUPE !"));
    return std::nullopt;
}

void ContactRules::scoreForLog() {
    m_hand.contact.points = Points::enterPoints(def(), m_hand.contact, station());
}
