#include "contact/ContactStore.h"

#include "base/DateTimeText.h"
#include "rules/Correction.h"
#include "rules/MultiplierRule.h"
#include "rules/SerialCode.h"

ContactStore::ContactStore(const ContestRun& run, Database& logDb, LogStore& log,
                           const SpecialStations& specials, const Clock& clock, ContactInHand& hand)
    : m_run(run), m_logDb(logDb), m_log(log), m_mults(logDb), m_specials(specials), m_clock(clock),
      m_hand(hand), m_changes(logDb) {}

MultiplierStation ContactStore::multiplierStation() const {
    return MultiplierStation::of(def(), m_specials, m_run.settings().myCounty);
}

std::pair<QString, QString> ContactStore::sentAndReceived() const {
    const QsoContact& c = m_hand.contact;
    const QChar blank(u' ');
    if (def().log.exchange == ExchangeKind::Zodiac)
        return {c.rstSent.trimmed() + blank + c.countySent.trimmed(),
                c.rstReceived.trimmed() + blank + c.countyReceived.trimmed()};
    return {c.rstSent.trimmed() + blank + c.codeSent.trimmed() + blank + c.countySent.trimmed(),
            c.rstReceived.trimmed() + blank + c.codeReceived.trimmed() + blank +
                c.countyReceived.trimmed()};
}

LogRow ContactStore::rowToStore() {
    const QsoContact& c = m_hand.contact;
    const auto [sent, rcvd] = sentAndReceived();
    QString date = c.date;
    if (date.size() == 10)
        date = date.left(6) + date.right(2);
    LogRow row{c.callsign.trimmed().toUpper(),
               date,
               c.utc,
               QString::number(m_hand.stage()),
               sent,
               rcvd,
               modeText(m_hand.mode()),
               c.countyReceived,
               c.mult,
               c.points};
    // A paper log typed in afterwards was not worked on the frequency the radio shows now.
    if (!m_run.offLine())
        row.frequency = m_radioFrequency;
    return row;
}

namespace {
bool holdsReservation(const QsoContact& c) {
    return !c.reservedSerial.isEmpty() && c.reservedSerial == c.codeSent.trimmed();
}
} // namespace

EnterResult ContactStore::write() {
    QsoContact& c = m_hand.contact;
    // A contact never accepted holds no serial yet: what its field shows is stored only while no
    // other program on the log has taken it.
    if (def().log.nextCode == NextCode::Serial && !m_hand.correction && !holdsReservation(c)) {
        const QString shown = c.codeSent.trimmed();
        if (const Outcome<void> reserved = reserveSerial(); !reserved)
            return EnterResult::notWritten(reserved.error());
        bool number = false;
        if (shown.toInt(&number) != c.codeSent.toInt() || !number)
            return EnterResult::refused(
                EnterResult::Status::SerialTaken,
                QStringLiteral("NUMARUL DE ORDINE %1 A FOST DAT ALTUI CONTACT. TRIMITETI %2 SI "
                               "LOGATI DIN NOU !")
                    .arg(shown, c.codeSent));
    }
    // A corrected contact keeps the date and time it was made at.
    if (!m_run.offLine() && !m_hand.correction)
        std::tie(c.date, c.utc) = DateTimeText::utcDateAndTime(m_clock);
    LogRow row = rowToStore();
    const Outcome<bool> alone = store(row);
    if (!alone)
        return EnterResult::notWritten(alone.error());
    EnterResult result;
    result.corrected = m_hand.correction.has_value();
    result.addedAlone = *alone;
    result.date = row.date;
    result.utc = row.utc;
    m_lastLogged = row.callsign + QLatin1Char(' ') + row.sent;
    if (m_hand.correction) {
        m_hand.correction.reset();
        if (const Outcome<void> derived = deriveSentCode(); !derived)
            result.codeError = derived.error();
    } else {
        advanceSentCode();
    }
    return result;
}

Outcome<bool> ContactStore::store(LogRow& row) {
    // The row and the multipliers it gives or takes are written together, or not at all.
    const int stage = m_hand.stage();
    const std::optional<CorrectionTarget>& correction = m_hand.correction;
    qint64 id = 0;
    qint64 derivedFrom = 0;
    const Outcome<void> written = m_logDb.inTransaction([&]() -> Outcome<void> {
        if (correction) {
            const Outcome<int> changed = m_log.update(correction->id, row);
            if (!changed)
                return Failure{changed.error()};
            if (*changed > 0)
                id = correction->id;
            // The row was deleted meanwhile: the corrected contact is not lost, it is logged anew.
        }
        if (id == 0) {
            const Outcome<qint64> added = m_log.insert(row);
            if (!added)
                return Failure{added.error()};
            id = *added;
        }
        const Outcome<qint64> derived = m_mults.derive(def(), multiplierStation(), stage, id);
        if (!derived)
            return Failure{derived.error()};
        derivedFrom = *derived;
        return {};
    });
    if (!written) {
        m_mults.forget();
        return Failure{written.error()};
    }
    m_hand.contact.reservedSerial.clear(); // stored: the next contact's serial follows it
    if (!correction || id != correction->id) {
        m_loggedHere = true;
        m_loggedIds.append(id);
    }
    return !correction && derivedFrom == id;
}

Outcome<void> ContactStore::reserveSerial() {
    QsoContact& c = m_hand.contact;
    if (def().log.nextCode != NextCode::Serial || m_hand.correction || holdsReservation(c))
        return {};
    QString serial;
    const Outcome<void> reserved = m_logDb.inTransaction([&]() -> Outcome<void> {
        const Outcome<QString> r = m_log.reserveSerial(c.codeSent);
        if (!r)
            return Failure{r.error()};
        serial = *r;
        return {};
    });
    if (!reserved)
        return Failure{QStringLiteral("NUMARUL DE ORDINE NU A PUTUT FI REZERVAT IN LOG: ") +
                       reserved.error()};
    c.codeSent = c.reservedSerial = serial;
    return {};
}

void ContactStore::advanceSentCode() {
    QsoContact& c = m_hand.contact;
    const LogRules& rules = def().log;
    m_sentCode = rules.nextCode == NextCode::Received ? c.codeReceived : c.codeSent;
    if (rules.nextCode == NextCode::Received)
        c.codeSent = c.codeReceived;
    else if (rules.nextCode == NextCode::Serial)
        c.codeSent = SerialCode::next(c.codeSent);
}

Outcome<void> ContactStore::deriveSentCode() {
    QsoContact& c = m_hand.contact;
    const NextCode rule = def().log.nextCode;
    if (rule == NextCode::Serial) {
        if (Outcome<void> serial = serialFromLog(); !serial)
            return serial;
    } else if (rule == NextCode::Received) {
        const Outcome<std::optional<LogRow>> newest = m_log.lastRow();
        if (!newest)
            return Failure{newest.error()};
        if (*newest)
            m_sentCode = Correction::splitExchange((*newest)->rcvd)[1];
        c.codeSent = m_sentCode;
    } else {
        c.codeSent = m_sentCode;
    }
    c.countySent = m_run.settings().myCounty.trimmed();
    c.rstSent = ContactInHand::defaultReport(m_run.mode());
    c.rstReceived = c.rstSent;
    return {};
}

Outcome<void> ContactStore::serialFromLog() {
    const Outcome<std::optional<LogRow>> read = m_log.lastRow();
    if (!read)
        return Failure{read.error()};
    const std::optional<LogRow>& newest = *read;
    m_sentCode = newest ? Correction::splitExchange(newest->sent)[1] : QStringLiteral("000");
    if (!m_hand.contact.reservedSerial.isEmpty())
        return {};
    const Outcome<QString> next = m_log.nextSerial();
    if (!next)
        return Failure{next.error()};
    m_hand.contact.codeSent = *next;
    return {};
}

Outcome<bool> ContactStore::followLog() {
    if (!m_changes.changedElsewhere())
        return false;
    if (def().log.nextCode == NextCode::Serial && !m_hand.correction)
        if (const Outcome<void> serial = serialFromLog(); !serial)
            return Failure{serial.error()};
    return true;
}

Outcome<std::optional<LogRow>> ContactStore::rowToCorrect() {
    if (!m_loggedHere)
        return m_log.lastRow();
    // Only what this program logged: another program's newer contact is never taken.
    while (!m_loggedIds.isEmpty()) {
        Outcome<std::optional<LogRow>> row = m_log.row(m_loggedIds.last());
        if (!row || *row)
            return row;
        m_loggedIds.removeLast();
    }
    return std::optional<LogRow>();
}

Outcome<std::optional<LogRow>> ContactStore::startCorrection() {
    Outcome<std::optional<LogRow>> found = rowToCorrect();
    if (!found || !*found)
        return found;
    const std::optional<LogRow>& row = *found;
    const int stage = row->stage.trimmed().toInt();
    m_hand.correction =
        CorrectionTarget{row->id, stage >= 1 && stage <= 4 ? stage : stageNumber(m_run.stage()),
                         modeFromText(row->mode) == Mode::Ssb ? Mode::Ssb : Mode::Cw};
    QsoContact& c = m_hand.contact;
    c.callsign = row->callsign;
    c.date = row->date;
    c.utc = row->utc;
    const auto sent = Correction::splitExchange(row->sent);
    const auto rcvd = Correction::splitExchange(row->rcvd);
    c.rstSent = sent[0];
    c.codeSent = sent[1];
    c.countySent = sent[2];
    c.rstReceived = rcvd[0];
    c.codeReceived = rcvd[1];
    c.countyReceived = rcvd[2];
    c.mult = row->mult.isEmpty() ? QStringLiteral(" ") : row->mult;
    c.newMult = !c.mult.trimmed().isEmpty();
    c.proposedCounty = c.countyReceived;
    c.points = row->points;
    c.checked = false;
    c.dupe = false;
    c.otherMode = false;
    c.notFound = false;
    return found;
}

Outcome<void> ContactStore::cancelCorrection() {
    if (!m_hand.correction)
        return {};
    m_hand.correction.reset();
    return deriveSentCode();
}

Outcome<void> ContactStore::deleteContact(qint64 id) {
    const Outcome<std::optional<LogRow>> row = m_log.row(id);
    if (!row)
        return Failure{QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") + row.error()};
    const int stage = *row ? (*row)->stage.trimmed().toInt() : 0;
    Outcome<void> removed = m_log.remove(id, [&]() -> Outcome<void> {
        if (stage < 1 || stage > 4)
            return {};
        const Outcome<qint64> derived = m_mults.derive(def(), multiplierStation(), stage, id);
        return derived ? Outcome<void>() : Failure{derived.error()};
    });
    if (!removed) {
        m_mults.forget();
        return Failure{QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") + removed.error()};
    }
    const QsoContact typed = m_hand.contact;
    const Outcome<void> derived =
        def().log.nextCode != NextCode::Sent ? deriveSentCode() : Outcome<void>();
    // A delete never edits the fields in hand; only an empty entry takes the new sent code.
    if (m_hand.held())
        m_hand.contact = typed;
    if (!derived)
        return Failure{QStringLiteral("CONTACTUL A FOST STERS, DAR CODUL DE TRIMIS NU A PUTUT FI "
                                      "CITIT: ") +
                       derived.error()};
    return {};
}

Outcome<void> ContactStore::deriveMultipliers() {
    return m_mults.derivePending(def(), multiplierStation());
}

Outcome<QString> ContactStore::sentCodeAfterLast() {
    if (def().log.nextCode == NextCode::Serial)
        return m_log.nextSerial();
    const Outcome<std::optional<LogRow>> last = m_log.lastRow();
    if (!last)
        return Failure{last.error()};
    if (!*last)
        return m_hand.contact.codeSent;
    return Correction::nextSentCode((*last)->sent, (*last)->mode);
}
