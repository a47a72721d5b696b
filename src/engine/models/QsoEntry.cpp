#include "models/QsoEntry.h"

#include "base/DateTimeText.h"
#include "base/LeadingNumber.h"
#include "base/seams/Clock.h"
#include "models/OffLineStamp.h"
#include "rules/EntryCharacters.h"
#include "rules/MorseTiming.h"
#include "rules/StageName.h"

// The contact's way through the screen: stage and mode, acceptance of the callsign, logging,
// cancelling, recovery, correction and deletion.

namespace {
const QString kTotalsUnread = QStringLiteral("TOTALURILE NU AU PUTUT FI CITITE DIN LOG !");
} // namespace

QsoEntry::QsoEntry(EntryServices s, QObject* parent)
    : QObject(parent), m_run(s.run), m_clock(s.clock),
      m_engine(s.run, s.logDb, s.callDb, s.specials, s.clock), m_cw(s.keyer),
      m_voice(s.keyPort, s.voice), m_rig(s.rig), m_wpm(MorseTiming::kOpeningSpeed) {
    connect(&m_cw, &CwKeyer::finished, this, &QsoEntry::messageFinished);
    connect(&m_voice, &VoiceKeyer::finished, this, &QsoEntry::messageFinished);
    connect(&m_cw, &CwKeyer::progress, this, [this](int n) {
        m_sentCount = n;
        emit changed();
    });
    for (RepeatPause* r : {&m_cwRepeat, &m_ssbRepeat})
        connect(r, &RepeatPause::waitStarted, this, [this] {
            m_transmission = Transmission::RepeatWaiting;
            emit changed();
        });
    attachRadio();
}

QsoEntry::~QsoEntry() = default;

QString& QsoEntry::field(EntryField f) {
    QsoContact& c = m_engine.contact();
    switch (f) {
    case EntryField::Callsign:
        return c.callsign;
    case EntryField::RstReceived:
        return c.rstReceived;
    case EntryField::CodeReceived:
        return c.codeReceived;
    case EntryField::CountyReceived:
        return c.countyReceived;
    case EntryField::RstSent:
        return c.rstSent;
    case EntryField::CodeSent:
        return c.codeSent;
    case EntryField::CountySent:
        return c.countySent;
    case EntryField::Date:
        return c.date;
    case EntryField::Time:
        return c.utc;
    case EntryField::PauseCw:
        return m_pauseCw;
    case EntryField::PauseSsb:
        return m_pauseSsb;
    default:
        return m_messages[messageIndex(f)];
    }
}

QString QsoEntry::text(EntryField f) const {
    return const_cast<QsoEntry*>(this)->field(f);
}

bool QsoEntry::modeChosen() const {
    return m_run.mode() != Mode::None;
}

bool QsoEntry::isCw() const {
    return m_run.mode() == Mode::Cw;
}

void QsoEntry::requestFocus(EntryField f, Caret caret, int position) {
    if (m_afterMessageRuns && m_typed != m_typedAtStart)
        return; // the operator went on while the message was sent
    if (caret == Caret::SelectAll)
        field(f) = field(f).trimmed();
    placeCaret(f, caret, position);
    m_focus = {f, caret, position, m_focus.serial + 1};
    moveFocus(f);
}

ShownState QsoEntry::shown() const {
    // The engine's contact holds the verdicts; the model adds only what the operator did.
    const QsoContact& c = m_engine.contact();
    ShownState s;
    s.newMultiplier = c.newMult && !c.dupe; // a duplicate brings nothing, whatever was typed
    const auto blankless = [](QString call) { return call.remove(u' '); };
    s.errorShown =
        !m_moves.lookup.errorText.isEmpty() && blankless(c.callsign) == blankless(m_moves.lookedUp);
    s.stationShown = !m_moves.lookup.hideStationFrames;
    s.recoveryEnabled = m_snapshot.has_value();
    s.mark = c.dupe ? CallsignMark::Duplicate : c.checked ? CallsignMark::New : CallsignMark::Plain;
    if (m_run.stage() == Stage::None || !modeChosen())
        return s;
    if (m_engine.correction())
        s.phase = EntryPhase::Correcting;
    else if (c.dupe)
        s.phase = m_moves.dupeAnswered ? EntryPhase::DupeAnswered : EntryPhase::Duplicate;
    else
        s.phase = EntryPhase::Open;
    s.duplicate = c.dupe;
    s.logEnabled = m_moves.logArmed && !c.dupe;
    s.inLogEnabled = s.logEnabled && !m_engine.firstIncompleteField();
    return s;
}

void QsoEntry::refreshGrid(const QString& beginning, GridChange change) {
    m_gridBeginning = beginning;
    ++m_gridSerial;
    if (change == GridChange::Log)
        ++m_gridLogChanges;
}

void QsoEntry::message(const QString& text, bool exclamation) {
    say({text, exclamation ? Dialogs::Icon::Exclamation : Dialogs::Icon::None});
}

int QsoEntry::shownStage() const {
    return m_engine.correction() ? m_engine.correction()->stage : stageNumber(m_run.stage());
}

bool QsoEntry::shownCw() const {
    return m_engine.correction() ? m_engine.correction()->mode == Mode::Cw : isCw();
}

// ---- start, stage and mode ----

void QsoEntry::start() {
    const bool returning = m_run.setupReopened();
    if (!returning)
        m_messages = m_run.settings().cwTexts;
    setSentCode(m_run.startCode() == 0 ? QStringLiteral("000")
                                       : QString::number(m_run.startCode()));
    m_engine.contact().date = m_run.startDate();
    m_engine.contact().utc = m_run.startTime();
    clearContact(false);
    deriveMultipliers();
    if (m_run.stage() != Stage::None)
        chooseStage(stageNumber(m_run.stage()));
    if (isCw())
        afterModeChosen(QStringLiteral("599"));
    else if (m_run.mode() == Mode::Ssb)
        afterModeChosen(QStringLiteral("59"));
    QsoContact& c = m_engine.contact();
    if (def().prefillsExchangeAtStart()) {
        c.callsign = QStringLiteral("YO");
        requestFocus(EntryField::Callsign, Caret::At, 2);
        c.rstSent = c.rstReceived = QStringLiteral("59");
        c.codeSent = QString::number(m_run.startCode());
        c.countySent = m_run.settings().myCounty;
    }
    if (returning || def().continuesSerialAtStart()) {
        // A sent serial that holds no number leaves the sent-code label as it is.
        if (!c.codeSent.trimmed().isEmpty() && c.codeSent.trimmed().front().isDigit())
            setSentCode(QString::number(leadingNumber(c.codeSent) - 1));
        m_run.resumeFromSetup();
    }
    followRadio();
}

void QsoEntry::contestChosen() {
    // Serials sent start at "001" in a new contest.
    if (def().serialSent() && !m_run.setupReopened())
        m_engine.contact().codeSent = QStringLiteral("001");
}

void QsoEntry::setSentCode(const QString& code) {
    m_engine.setSentCode(code);
}

void QsoEntry::keepContactInHand() {
    // A contact pushed aside by a stage, a mode or a correction is kept for REC&UP; so is a
    // correction, which REC&UP takes up again.
    if (m_engine.held())
        clearContact(true);
}

void QsoEntry::deriveMultipliers() {
    if (const Outcome<void> derived = m_engine.deriveMultipliers(); !derived)
        message(QStringLiteral("MULTIPLICATORII NU AU PUTUT FI REFACUTI DIN LOG: ") +
                derived.error());
}

void QsoEntry::refreshBoard() {
    m_worked = m_engine.workedBoard(stageNumber(m_run.stage()));
}

void QsoEntry::refreshTotals() {
    if (!m_engine.recount(stageNumber(m_run.stage())))
        message(kTotalsUnread);
}

void QsoEntry::chooseStage(int stage) {
    if (stage < 1 || stage > 4)
        return;
    keepContactInHand();
    m_engine.prefilledCallsign();
    m_run.chooseStage(stageFromNumber(stage));
    deriveMultipliers(); // the log view may have deleted contacts
    refreshBoard();
    refreshTotals();
    if (modeChosen()) {
        prepareCallsign();
        requestFocus(EntryField::Callsign, Caret::AtEnd);
    }
    refreshGrid();
}

void QsoEntry::afterModeChosen(const QString& report) {
    if (m_run.stage() != Stage::None)
        prepareCallsign();
    QsoContact& c = m_engine.contact();
    c.rstSent = report;
    c.countySent = m_run.settings().myCounty;
    c.rstReceived = report;
}

void QsoEntry::takeSentCodeAfterLast() {
    const Outcome<QString> code = m_engine.sentCodeAfterLast();
    if (!code)
        return message(code.error());
    m_engine.contact().codeSent = *code;
}

void QsoEntry::chooseCw() {
    keepContactInHand();
    m_run.chooseMode(Mode::Cw);
    if (def().serialSent())
        takeSentCodeAfterLast();
    afterModeChosen(QStringLiteral("599"));
    // Before a stage is chosen the code sent is the one the set-up screen gave.
    if (phase() == EntryPhase::Closed && def().sentCodeIsStartNumber())
        m_engine.contact().codeSent = sentLabel();
}

void QsoEntry::chooseSsb() {
    keepContactInHand();
    m_run.chooseMode(Mode::Ssb);
    if (def().serialSent())
        takeSentCodeAfterLast();
    if (def().ssbChoosesFirstStage())
        chooseStage(1);
    afterModeChosen(QStringLiteral("59"));
    if (phase() != EntryPhase::Closed)
        return;
    if (def().sentCodeIsStartNumber())
        m_engine.contact().codeSent = sentLabel();
    else if (def().ssbStartsSerialAtOne())
        m_engine.contact().codeSent = QStringLiteral("001");
}

// ---- the callsign ----

void QsoEntry::prepareCallsign() {
    m_engine.contact().callsign = m_engine.prefilledCallsign();
    if (def().log.yoinFocus && m_run.stage() != Stage::None && modeChosen())
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

void QsoEntry::repairDoubledPrefix() {
    QString& call = field(EntryField::Callsign);
    const int n = static_cast<int>(call.trimmed().size());
    static const std::pair<const char*, const char*> repairs[] = {
        {"YOYO", "YO"}, {"YOYR", "YR"}, {"YOYQ", "YQ"}, {"YOYP", "YP"}, {"YOER", "ER"}};
    for (const auto& [doubled, prefix] : repairs)
        if (call.trimmed().startsWith(QLatin1String(doubled)))
            call = QLatin1String(prefix) + call.trimmed().right(std::max(0, n - 4));
}

void QsoEntry::acceptCallsign() {
    repairDoubledPrefix();
    QsoContact& c = m_engine.contact();
    const QString typed = c.callsign;
    const QString lookup = typed.trimmed();
    if (lookup.isEmpty()) {
        message(QStringLiteral("Introducere eronata !"), false);
        return;
    }
    if (lookup.size() < 3) {
        message(QStringLiteral("Introducere incompleta !"), false);
        prepareCallsign();
        return;
    }
    if (lookup.toUpper() == m_run.settings().myCall.trimmed().toUpper()) {
        say({m_engine.refuseOwnCall(), Dialogs::Icon::Exclamation, QStringLiteral("ATENTIE")});
        clearContact(true);
        return;
    }
    if (!m_run.offLine())
        std::tie(c.date, c.utc) = DateTimeText::utcDateAndTime(m_clock);
    c.callsign = typed.toUpper();
    followLog();
    const Acceptance accepted = m_engine.acceptCallsign();
    showLookup(accepted.lookup);
    if (!accepted.reserved)
        message(accepted.reserved.error());
    showDupe(accepted.dupe);
    const bool zodiac = def().log.exchange == ExchangeKind::Zodiac;
    if (!zodiac && c.codeReceived.trimmed().isEmpty())
        requestFocus(EntryField::CodeReceived);
    if (zodiac && c.countyReceived.trimmed().isEmpty())
        requestFocus(EntryField::CountyReceived);
    m_moves.logArmed = true;
    if (m_run.offLine()) {
        // The hour is offered; the stamp keeps the last contact's minute for the midnight check.
        c.date = m_run.startDate().trimmed();
        c.utc = m_run.startTime().left(3).trimmed();
        requestFocus(EntryField::Time, Caret::At, static_cast<int>(c.utc.size()));
    }
}

void QsoEntry::showLookup(const LookupView& view) {
    m_moves.lookedUp = text(EntryField::Callsign);
    m_moves.lookup = view;
}

void QsoEntry::showDupe(const DupeView& view) {
    if (!view.error.isEmpty())
        message(view.error);
    if (!view.checked)
        return;
    m_moves.logArmed = true;
    if (!view.dupe)
        m_moves.dupeAnswered = false;
}

void QsoEntry::chooseCounty(const QString& entry) {
    const Outcome<std::pair<QString, bool>> taken = m_engine.takeCountyChoice(entry);
    if (!taken) {
        message(taken.error());
        return;
    }
    m_engine.contact().countyReceived = taken->first;
    m_moves.logArmed = true;
    requestFocus(EntryField::Callsign, Caret::AtEnd);
}

// ---- logging ----

bool QsoEntry::dataComplete() {
    const std::optional<EntryField> shortField = m_engine.firstIncompleteField();
    if (!shortField)
        return true;
    requestFocus(*shortField, Caret::At, static_cast<int>(field(*shortField).size()));
    return false;
}

bool QsoEntry::charactersLegal() {
    for (EntryField f : {EntryField::Callsign, EntryField::RstReceived, EntryField::CodeReceived,
                         EntryField::CountyReceived, EntryField::RstSent, EntryField::CodeSent,
                         EntryField::CountySent}) {
        const QString t = text(f).trimmed();
        const bool legal =
            std::all_of(t.begin(), t.end(),
                        [&](QChar c) { return EntryCharacters::accepts(def(), f, c); }) &&
            (f != EntryField::Callsign || EntryCharacters::legalCallsign(t));
        if (!legal) {
            message(QStringLiteral("Introducere eronata !"));
            requestFocus(f, Caret::AtEnd);
            return false;
        }
    }
    return true;
}

void QsoEntry::dateIncomplete() {
    message(QStringLiteral("Date incomplete. Nu se poate loga!!"));
    refreshGrid();
    dataComplete();
}

bool QsoEntry::readyToLog() {
    // Whatever triggers it, a contact is logged only whole and of legal characters; blanks go
    // as they go when the cursor moves on.
    field(EntryField::Callsign).remove(u' ');
    squeezeFields();
    if (!charactersLegal())
        return false;
    if (text(EntryField::Callsign).trimmed().size() >= 3) {
        padReceivedCode();
        if (!dataComplete()) {
            dateIncomplete();
            return false;
        }
    }
    return true;
}

void QsoEntry::logContact() {
    if (!readyToLog() || !showLogged(m_engine.logContact()))
        return;
    m_moves = {};
    m_snapshot.reset();
    refreshGrid({}, GridChange::View); // the stage again, after the callsigns typed
    prepareCallsign();
}

bool QsoEntry::showLogged(const EnterResult& r) {
    if (r.status == EnterResult::Status::Duplicate)
        return false; // shown, never logged
    if (r.status == EnterResult::Status::BadCounty) {
        message(r.message, false);
        requestFocus(EntryField::CountyReceived, Caret::SelectAll);
        return false;
    }
    if (r.status != EnterResult::Status::Logged) {
        say({r.message, r.status == EnterResult::Status::InsertFailed
                            ? Dialogs::Icon::Critical
                            : Dialogs::Icon::Exclamation});
        return false;
    }
    if (m_run.offLine() && !r.corrected) {
        const auto [date, time] =
            OffLineStamp::afterLogged(m_run.startDate(), m_run.startTime(), r.date, r.utc);
        m_run.setOffLineStamp(date, time);
    }
    refreshBoard(); // a corrected row may have taken its multiplier away, or moved it
    refreshGrid(m_gridBeginning, r.addedAlone ? GridChange::Added : GridChange::Log);
    if (!r.corrected && !m_run.offLine()) // a paper log typed in stores no frequency
        noticeOffBand();
    if (r.totalsFailed)
        message(kTotalsUnread);
    if (r.learnFailed)
        message(QStringLiteral("BAZA DE DATE A INDICATIVELOR NU A PUTUT FI ACTUALIZATA !"));
    if (!r.codeError.isEmpty())
        message(r.codeError);
    return true;
}

QsoEntry::TakenContact QsoEntry::takeContact() {
    TakenContact taken{snapshot(), sentLabel(), {}};
    taken.place = m_engine.takeContact().place;
    clearContact(false);
    m_snapshot.reset();
    return taken;
}

void QsoEntry::logTaken(TakenContact taken) {
    HeldContact held{taken.entry.contact, taken.entry.correction, taken.place};
    const EnterResult r = m_engine.logTaken(held);
    if (showLogged(r)) {
        recheckContact(); // the contact typed meanwhile may be a duplicate of it now
        return;
    }
    taken.entry.contact = held.contact;
    giveBack(taken);
}

void QsoEntry::giveBack(const TakenContact& taken) {
    setSentCode(taken.sentLabel);
    if (m_engine.held()) {
        // The next contact is under way: the one not logged waits for REC&UP.
        m_snapshot = taken.entry;
        return;
    }
    const EntrySnapshot& s = taken.entry;
    m_engine.restore({s.contact, s.correction, {}});
    m_moves = s.moves;
    refreshGrid();
    requestFocus(EntryField::Callsign, Caret::AtEnd);
}

// ---- cancel, recovery, correction, delete ----

EntrySnapshot QsoEntry::snapshot() const {
    return {m_engine.contact(), m_engine.correction(), m_moves};
}

void QsoEntry::clearContact(bool keepForRecovery) {
    if (keepForRecovery)
        m_snapshot = snapshot();
    if (const Outcome<void> cleared = m_engine.clearContact(); !cleared)
        message(cleared.error());
    m_moves = {};
    refreshGrid();
    prepareCallsign();
}

void QsoEntry::cancelContact() {
    clearContact(true);
    if (phase() != EntryPhase::Closed)
        requestFocus(EntryField::Callsign, Caret::AtEnd);
}

void QsoEntry::recover() {
    if (!m_snapshot)
        return;
    const EntrySnapshot s = *std::exchange(m_snapshot, std::nullopt);
    if (const Outcome<void> resumed = m_engine.resumeCancelled({s.contact, s.correction, {}});
        !resumed)
        message(resumed.error());
    m_moves = s.moves;
    if (!s.correction)
        fitReports(m_engine.contact());
    // The log, the stage or the mode may have changed since the cancel: the contact is judged
    // again where it will be logged, and an accepted one shows a serial of its own again.
    recheckContact();
    if (callsignMark() != CallsignMark::Plain)
        if (const Outcome<void> reserved = m_engine.reserveSerial(); !reserved)
            message(reserved.error());
    requestFocus(EntryField::Callsign, Caret::At, static_cast<int>(s.contact.callsign.size()));
}

void QsoEntry::fitReports(QsoContact& c) const {
    const QString report = isCw() ? QStringLiteral("599") : QStringLiteral("59");
    for (QString* r : {&c.rstReceived, &c.rstSent})
        if (r->trimmed().size() != report.size())
            *r = report;
}

void QsoEntry::recheckContact() {
    // A callsign not accepted yet is checked when it is; the own call stays refused.
    const QString call = text(EntryField::Callsign).trimmed().toUpper();
    if (callsignMark() == CallsignMark::Plain ||
        call == m_run.settings().myCall.trimmed().toUpper())
        return;
    showDupe(m_engine.checkDuplicate());
}

void QsoEntry::correctLastContact() {
    if (!m_engine.correction() && m_engine.held())
        clearContact(true);
    const Outcome<std::optional<LogRow>> started = m_engine.startCorrection();
    if (!started || !*started) {
        message(started ? QStringLiteral("NU EXISTA NICI UN CONTACT DE CORECTAT !")
                        : started.error());
        requestFocus(EntryField::Callsign, Caret::AtEnd);
        return;
    }
    requestFocus(EntryField::Callsign, Caret::AtEnd);
    m_moves.logArmed = true;
    m_moves.dupeAnswered = false;
}

std::optional<QString> QsoEntry::deleteQuestion(qint64 id) {
    // The question names the contact, so a wrong row is not deleted unseen: its mode too, as a
    // station may be worked in CW and SSB in the same minute.
    const Outcome<std::optional<LogRow>> stored = m_engine.storedContact(id);
    if (!stored) {
        message(stored.error());
        return std::nullopt;
    }
    const std::optional<LogRow>& row = *stored;
    if (!row)
        return std::nullopt;
    return QStringLiteral(
               "VRETI INTRADEVAR SA STERGETI CONTACTUL %1 CU %2 DE LA %3 UTC DIN ETAPA %4 ?")
        .arg(row->mode.trimmed(), row->callsign.trimmed(), row->utc, stageName(row->stage.toInt()));
}

void QsoEntry::deleteContact(qint64 id) {
    if (def().log.warnsAfterDelete())
        say({QStringLiteral("DUPA STERGEREA UNEI LINII SI INTRODUCEREA UNUI NOU INDICATIV, "
                            "VERIFICATI SI MODIFICATI VALOAREA CODS"),
             Dialogs::Icon::Exclamation, QStringLiteral("ATENTIE")});
    if (const Outcome<void> deleted = m_engine.deleteContact(id); !deleted)
        say({deleted.error(), Dialogs::Icon::Critical});
    // The label follows the log; the contact in hand stays as typed and is judged again.
    refreshBoard();
    refreshTotals();
    refreshGrid();
    recheckContact();
    requestFocus(EntryField::Callsign, Caret::AtEnd);
}

bool QsoEntry::followLog() {
    const Outcome<bool> changed = m_engine.followLog();
    if (!changed)
        message(changed.error());
    if (!changed.valueOr(true))
        return false;
    refreshTotals();
    refreshBoard();
    refreshGrid(m_gridBeginning);
    return true;
}
