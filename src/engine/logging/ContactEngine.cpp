#include "logging/ContactEngine.h"

#include "entry/EntryCharacters.h"
#include "logging/Correction.h"
#include "logging/SerialCode.h"
#include "refdata/CountyBoard.h"
#include "refdata/CountyTables.h"
#include "setup/DateTimeText.h"
#include "setup/StageName.h"

#include <algorithm>
#include <tuple>

namespace {
const QString kTwoBlanks = QStringLiteral("  ");
const QString kAA = QStringLiteral("AA");

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool romanianCall(const QString& call) {
    static const QStringList prefixes = words("YO YR YQ YP");
    return prefixes.contains(call.left(2));
}

// Minutes since midnight of an "hh:mm" text.
int minutesOf(const QString& hhmm) {
    return hhmm.section(QLatin1Char(':'), 0, 0).toInt() * 60 +
           hhmm.section(QLatin1Char(':'), 1, 1).toInt();
}

QString otherModeOf(const QString& mode) {
    return mode == QStringLiteral("CW") ? QStringLiteral("SSB") : QStringLiteral("CW");
}
} // namespace

ContactEngine::ContactEngine(ContestRun& app, Database& logDb, Database& callDb,
                             const SpecialStations& specials, const Clock& clock)
    : m_app(app), m_logDb(logDb), m_log(logDb), m_mults(logDb), m_calls(callDb),
      m_specials(specials), m_clock(clock), m_changes(logDb) {}

StationContext ContactEngine::station() const {
    return {m_app.settings().myCall.trimmed(), contactMode(), &m_specials};
}

int ContactEngine::contactStage() const {
    return m_correction ? m_correction->stage : stageNumber(m_app.stage());
}

QString ContactEngine::contactMode() const {
    return m_correction ? m_correction->mode : modeText(m_app.mode());
}

qint64 ContactEngine::correctedId() const {
    return m_correction ? m_correction->id : 0;
}

QString ContactEngine::reportOf(const QString& mode) {
    return mode == QStringLiteral("CW") ? QStringLiteral("599") : QStringLiteral("59");
}

QString ContactEngine::lookupCounty(const QString& call, bool& found) {
    const LogRules& rules = def().log;
    found = true;
    if (call.isEmpty() || (rules.lookup == LookupRule::ForeignIsAA && !romanianCall(call)) ||
        (rules.lookup == LookupRule::MaritimeIsAA && call.startsWith(QStringLiteral("YO")) &&
         call.endsWith(QStringLiteral("/MM"))))
        return kAA;
    const std::optional<QString> stored = m_calls.lookup(call);
    found = stored.has_value();
    if (!found)
        return {};
    QString county = stored->trimmed();
    const QString sector = CountyTables::sectorLogCode(county);
    const bool bucharest = !sector.isEmpty() || county == QStringLiteral("BU");
    if (rules.exchange == ExchangeKind::Sector && bucharest)
        county = sector; // "BU" alone leaves the sector to the operator
    else if (bucharest)
        county = QStringLiteral("BU");
    return clubWordOrCounty(call, county);
}

QString ContactEngine::clubWordOrCounty(const QString& call, const QString& county) {
    const LogRules& rules = def().log;
    const QString home = QString::fromLatin1(rules.clubHomeCounty);
    if (!*rules.clubWord || (!home.isEmpty() && county != home))
        return county;
    const QString code = def().codeString();
    const bool club100 = m_specials.contains(code, QStringLiteral("club100"), call);
    if (!club100 && !m_specials.contains(code, QStringLiteral("club"), call))
        return county;
    if (club100)
        m_contact.codeReceived = QStringLiteral("100");
    return QString::fromLatin1(rules.clubWord);
}

LookupView ContactEngine::lookUpCallsign() {
    const LogRules& rules = def().log;
    m_contact.callsign = m_contact.callsign.toUpper();
    const QString call = m_contact.callsign.trimmed();
    bool found = true;
    const QString county = lookupCounty(call, found);
    const QString report = reportOf(contactMode());
    m_contact.rstReceived = report;
    m_contact.rstSent = report;
    m_contact.countyReceived = rules.countyExchange() ? county : QString();
    // A corrected contact keeps the code it was sent.
    if (!m_correction && rules.nextCode != NextCode::Serial)
        m_contact.codeSent = m_labels.sentCode;
    else if (!m_correction && m_contact.codeSent.trimmed().isEmpty())
        m_contact.codeSent = QStringLiteral("001");
    m_contact.countySent = m_app.settings().myCounty.trimmed();
    m_contact.proposedCounty = m_contact.countyReceived;
    m_contact.notFound = !found;
    previewPoints();

    LookupView view;
    if (found)
        return view;
    view.hideStationFrames = true;
    if (rules.exchange != ExchangeKind::Sector)
        view.errorText =
            call + QStringLiteral("  ") + QStringLiteral(" NU EXISTA IN BAZA DE DATE !!");
    view.offersCounties =
        rules.exchange != ExchangeKind::Sector && rules.exchange != ExchangeKind::Name;
    if (view.offersCounties)
        view.counties = CountyTables::countyChoices(call);
    if (view.offersCounties && rules.clubWordShortcuts)
        view.counties += words(rules.classWords);
    return view;
}

Outcome<bool> ContactEngine::isDupe(const QString& call, int stage) {
    const DupeRule& rule = def().log.dupeRule(stage);
    const QString mode = contactMode();
    const Outcome<std::optional<QString>> same =
        m_log.firstContact(call, stage, rule.modeAware ? mode : QString(), correctedId());
    if (!same)
        return Failure{same.error()};
    if (!rule.modeAware || *same)
        return same->has_value();
    if (rule.otherModeAlwaysNew)
        return false;
    const Outcome<std::optional<QString>> other =
        m_log.firstContact(call, stage, otherModeOf(mode), correctedId());
    if (!other)
        return Failure{other.error()};
    const std::optional<QString>& earlier = *other;
    if (!earlier)
        return false;
    // The mark follows the log alone, as the multiplier column derived from it does.
    if (rule.otherModeFree) {
        m_contact.otherMode = true;
        return false;
    }
    if (m_app.offLine())
        return false;
    // Minutes since the earlier contact, across midnight: 23:58 to 00:09 is 11 minutes.
    const QTime clock = m_clock.utcNow().time();
    const int now = clock.hour() * 60 + clock.minute();
    const int elapsed = ((now - minutesOf(*earlier)) % 1440 + 1440) % 1440;
    return elapsed < rule.waitMinutes;
}

DupeView ContactEngine::checkDuplicate() {
    m_contact.otherMode = false;
    m_contact.callsign = m_contact.callsign.toUpper();
    const QString call = m_contact.callsign.trimmed();
    DupeView view;
    if (call.isEmpty())
        return view;
    // The mark describes the callsign now in the field, so a corrected callsign can be logged.
    const Outcome<bool> dupe = isDupe(call, contactStage());
    if (!dupe) {
        view.error = dupe.error();
        return view;
    }
    view.checked = true;
    m_contact.checked = true;
    m_contact.dupe = *dupe;
    view.dupe = m_contact.dupe;
    if (m_contact.dupe) {
        m_contact.newMult = false; // a duplicate brings nothing
        if (def().log.dupeRule(contactStage()).dupeMarksOtherMode)
            m_contact.otherMode = true;
        return view;
    }
    if (def().log.exchange == ExchangeKind::Zodiac)
        return view;
    if (const Outcome<bool> mult = checkMultiplier(); !mult)
        return {false, false, mult.error()};
    return view;
}

MultiplierStation ContactEngine::multiplierStation() const {
    return {m_specials.special(def().codeString()), m_app.settings().myCounty.trimmed()};
}

Outcome<bool> ContactEngine::checkMultiplier() {
    const int stage = contactStage();
    // A corrected contact is judged against the contacts before it, as the log's column is.
    const qint64 before = correctedId();
    QString unread;
    const QString mult = MultiplierRule::earned(
        def(), multiplierStation(), stage,
        {m_contact.callsign, m_contact.countyReceived, m_contact.codeReceived, m_contact.otherMode},
        [&](const QString& v) {
            const Outcome<bool> held = m_log.hasMult(v, stage, before);
            if (!held && unread.isEmpty())
                unread = held.error();
            return held.valueOr(false);
        });
    if (!unread.isEmpty())
        return Failure{unread};
    m_contact.mult = mult;
    m_contact.newMult = MultiplierRule::isMultiplier(m_contact.mult);
    const QString candidate = m_contact.countyReceived.trimmed();
    const bool county = m_contact.mult.trimmed() == candidate || m_contact.mult == u"UNR";
    // The board shows multipliers only, as it does when it is rebuilt from the log.
    m_contact.boardCounty = m_contact.newMult && county ? candidate : QString();
    return m_contact.newMult;
}

QString ContactEngine::countyChanged(const QString& county) {
    m_contact.countyReceived = county;
    return previewPoints();
}

Outcome<bool> ContactEngine::codeChanged(const QString& code) {
    m_contact.codeReceived = code;
    if (*def().log.ylCode && !m_contact.dupe)
        return checkMultiplier();
    return m_contact.newMult;
}

Outcome<std::pair<QString, bool>> ContactEngine::takeCountyChoice(const QString& entry) {
    countyChanged(CountyTables::chosenCounty(m_contact.callsign, entry));
    if (const Outcome<bool> mult = checkMultiplier(); !mult)
        return Failure{mult.error()};
    return std::pair{m_contact.countyReceived, !m_contact.dupe};
}

QString ContactEngine::clubWordFor(const QString& text, bool errorBoxVisible) const {
    const LogRules& rules = def().log;
    if (!errorBoxVisible || !rules.clubWordShortcuts || text.isEmpty())
        return text;
    // Letters that begin a county are that county's, never a club word's.
    const QStringList& counties = CountyTables::counties();
    if (std::any_of(counties.begin(), counties.end(),
                    [&](const QString& c) { return c.startsWith(text); }))
        return text;
    for (const QString& word : words(rules.classWords))
        if (word.startsWith(text))
            return word;
    return text;
}

std::pair<QString, QString> ContactEngine::refuseOwnCall() {
    m_contact.newMult = false;
    m_contact.dupe = true;
    return {QStringLiteral("QSO CU MINE INSUMI !"), QStringLiteral("ATENTIE")};
}

QString ContactEngine::previewPoints() {
    m_contact.points = Points::previewPoints(def(), m_contact, station());
    return m_contact.points;
}

std::optional<EntryField> ContactEngine::firstIncompleteField() const {
    const std::tuple<const QString*, int, EntryField> fields[] = {
        {&m_contact.callsign, 3, EntryField::Callsign},
        {&m_contact.rstSent, 2, EntryField::RstSent},
        {&m_contact.codeSent, 1, EntryField::CodeSent},
        {&m_contact.countySent, 1, EntryField::CountySent},
        {&m_contact.rstReceived, 2, EntryField::RstReceived},
        {&m_contact.codeReceived, 1, EntryField::CodeReceived},
        {&m_contact.countyReceived, 1, EntryField::CountyReceived},
        {&m_contact.date, 8, EntryField::Date},
        {&m_contact.utc, 5, EntryField::Time}};
    for (const auto& [text, shortest, field] : fields)
        if (text->trimmed().size() < shortest)
            return field;
    return std::nullopt;
}

std::pair<QString, QString> ContactEngine::sentAndReceived() const {
    const QsoContact& c = m_contact;
    const QChar blank(u' ');
    if (def().log.exchange == ExchangeKind::Zodiac)
        return {c.rstSent.trimmed() + blank + c.countySent.trimmed(),
                c.rstReceived.trimmed() + blank + c.countyReceived.trimmed()};
    return {c.rstSent.trimmed() + blank + c.codeSent.trimmed() + blank + c.countySent.trimmed(),
            c.rstReceived.trimmed() + blank + c.codeReceived.trimmed() + blank +
                c.countyReceived.trimmed()};
}

std::pair<QString, QString> ContactEngine::utcDateAndTime(const Clock& clock) {
    const QDateTime utc = clock.utcNow();
    return {DateTimeText::formatDate(utc.date()), DateTimeText::formatTime(utc.time())};
}

LogRow ContactEngine::rowToStore() {
    const auto [sent, rcvd] = sentAndReceived();
    QString date = m_contact.date;
    if (date.size() == 10)
        date = date.left(6) + date.right(2);
    LogRow row{m_contact.callsign.trimmed().toUpper(),
               date,
               m_contact.utc,
               QString::number(contactStage()),
               sent,
               rcvd,
               contactMode(),
               m_contact.countyReceived,
               m_contact.mult,
               m_contact.points};
    // A paper log typed in afterwards was not worked on the frequency the radio shows now.
    if (!m_app.offLine())
        row.frequency = m_radioFrequency;
    return row;
}

bool ContactEngine::learn(const QString& call, const QString& county) {
    if (!m_app.realContest() || !def().log.countyExchange() || CallsignDb::neverLearnt(county))
        return true;
    if (m_contact.notFound)
        return m_calls.add(call, county).ok();
    if (m_contact.proposedCounty.trimmed() != county)
        return m_calls.changeCounty(call, county).ok();
    return true;
}

EnterResult ContactEngine::refusal(EnterResult::Status status, const QString& message) {
    EnterResult result;
    result.status = status;
    result.message = message;
    return result;
}

EnterResult ContactEngine::logContact() {
    // Whatever triggered it, the contact is judged on the fields as they stand now.
    const QString call = m_contact.callsign.trimmed().toUpper();
    if (call.isEmpty())
        return refusal(EnterResult::Status::EmptyCall, QStringLiteral("Introducere eronata !"));
    if (call.size() < 3)
        return refusal(EnterResult::Status::Incomplete, QStringLiteral("Introducere incompleta !"));
    if (!EntryCharacters::legalCallsign(call))
        return refusal(EnterResult::Status::EmptyCall, QStringLiteral("Introducere eronata !"));
    if (call == m_app.settings().myCall.trimmed().toUpper())
        return refusal(EnterResult::Status::OwnCall, QStringLiteral("QSO CU MINE INSUMI !"));
    m_contact.otherMode = false;
    const Outcome<bool> dupe = isDupe(call, contactStage());
    if (!dupe)
        return refusal(EnterResult::Status::InsertFailed,
                       QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG ! (%1)").arg(dupe.error()));
    m_contact.dupe = *dupe;
    if (m_contact.dupe)
        return refusal(EnterResult::Status::Duplicate, QStringLiteral("WARNING ! QSO DUPE !"));
    // A corrected contact keeps the date and time it was made at.
    if (!m_app.offLine() && !m_correction) {
        const auto [date, time] = utcDateAndTime(m_clock);
        m_contact.date = date;
        m_contact.utc = time;
    }
    m_contact.points = Points::enterPoints(def(), m_contact, station());
    EnterResult result;
    result.row = rowToStore();
    const Outcome<qint64> id = store(result.row);
    if (!id)
        return refusal(EnterResult::Status::InsertFailed,
                       QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG ! (%1)").arg(id.error()));
    result.id = *id;
    result.corrected = m_correction.has_value();
    result.totalsFailed = !recountTotals();
    m_lastLogged = call + QLatin1Char(' ') + result.row.sent;

    if (m_correction) {
        m_correction.reset();
        if (const Outcome<void> derived = deriveSentCode(); !derived)
            result.codeError = derived.error();
    } else {
        advanceSentCode();
    }
    result.learnFailed = !learn(call, m_contact.countyReceived.trimmed());
    clearEntry();
    prefilledCallsign();
    return result;
}

Outcome<qint64> ContactEngine::store(LogRow& row) {
    // The row and the multipliers it gives or takes are written together, or not at all.
    const int stage = contactStage();
    // A new serial follows the log, whoever logged last; a corrected contact keeps its code.
    const bool serial = def().log.nextCode == NextCode::Serial && !m_correction;
    qint64 id = 0;
    const Outcome<void> written = m_logDb.inTransaction([&]() -> Outcome<void> {
        if (m_correction) {
            const Outcome<int> changed = m_log.update(m_correction->id, row);
            if (!changed)
                return Failure{changed.error()};
            if (*changed > 0)
                id = m_correction->id;
            // The row was deleted meanwhile: the corrected contact is not lost, it is logged anew.
        }
        if (id == 0) {
            const Outcome<qint64> added = serial ? m_log.insertNextSerial(row) : m_log.insert(row);
            if (!added)
                return Failure{added.error()};
            id = *added;
        }
        return m_mults.derive(def(), multiplierStation(), stage, id);
    });
    if (!written)
        return Failure{written.error()};
    if (serial)
        m_contact.codeSent = Correction::splitExchange(row.sent)[1];
    if (!m_correction || id != m_correction->id) {
        m_loggedHere = true;
        m_loggedIds.append(id);
    }
    return id;
}

void ContactEngine::advanceSentCode() {
    const LogRules& rules = def().log;
    m_labels.sentCode =
        rules.nextCode == NextCode::Received ? m_contact.codeReceived : m_contact.codeSent;
    if (rules.nextCode == NextCode::Received)
        m_contact.codeSent = m_contact.codeReceived;
    else if (rules.nextCode == NextCode::Serial)
        m_contact.codeSent = SerialCode::next(m_contact.codeSent);
}

Outcome<void> ContactEngine::deriveSentCode() {
    const NextCode rule = def().log.nextCode;
    if (rule == NextCode::Serial) {
        if (Outcome<void> serial = serialFromLog(); !serial)
            return serial;
    } else if (rule == NextCode::Received) {
        const Outcome<std::optional<LogRow>> newest = m_log.lastRow();
        if (!newest)
            return Failure{newest.error()};
        if (*newest)
            m_labels.sentCode = Correction::splitExchange((*newest)->rcvd)[1];
        m_contact.codeSent = m_labels.sentCode;
    } else {
        m_contact.codeSent = m_labels.sentCode;
    }
    m_contact.countySent = m_app.settings().myCounty.trimmed();
    m_contact.rstSent = reportOf(modeText(m_app.mode()));
    m_contact.rstReceived = m_contact.rstSent;
    return {};
}

Outcome<void> ContactEngine::serialFromLog() {
    const Outcome<std::optional<LogRow>> read = m_log.lastRow();
    if (!read)
        return Failure{read.error()};
    const std::optional<LogRow>& newest = *read;
    m_labels.sentCode = newest ? Correction::splitExchange(newest->sent)[1] : QStringLiteral("000");
    m_contact.codeSent =
        newest ? Correction::nextSentCode(newest->sent, newest->mode) : QStringLiteral("001");
    return {};
}

Outcome<bool> ContactEngine::followLog() {
    if (!m_changes.changedElsewhere())
        return false;
    if (def().log.nextCode == NextCode::Serial && !m_correction)
        if (const Outcome<void> serial = serialFromLog(); !serial)
            return Failure{serial.error()};
    return true;
}

void ContactEngine::clearEntry() {
    m_contact.callsign.clear();
    m_contact.codeReceived.clear();
    m_contact.countyReceived.clear();
    if (!m_app.offLine()) {
        m_contact.date.clear();
        m_contact.utc.clear();
    }
    m_contact.mult = kTwoBlanks;
    m_contact.boardCounty.clear();
    m_contact.proposedCounty.clear();
    m_contact.newMult = false;
    m_contact.checked = false;
    m_contact.dupe = false;
    m_contact.otherMode = false;
    m_contact.notFound = false;
}

QString ContactEngine::prefilledCallsign() {
    if (def().log.yoPrefill)
        m_contact.callsign = QStringLiteral("YO");
    return m_contact.callsign;
}

void ContactEngine::chooseStage(int stage) {
    prefilledCallsign();
    m_app.chooseStage(stageFromNumber(stage));
}

BoardView ContactEngine::workedBoard(int stage) {
    BoardView view;
    const Outcome<QStringList> mults = m_log.stageMults(stage);
    if (!mults)
        return view;
    for (const QString& mult : *mults) {
        const QString label = CountyBoard::greyLabel(def(), mult);
        if (!label.isEmpty() && !view.grey.contains(label))
            view.grey << label;
    }
    return view;
}

bool ContactEngine::recountTotals() {
    const auto totals = m_log.stageTotals();
    if (!totals)
        return false;
    m_app.setTotals(*totals);
    return true;
}

std::array<ResultRow, 4> ContactEngine::resultRows() const {
    static const int order[4][4] = {{1, 2, 3, 4}, {2, 1, 3, 4}, {3, 1, 2, 4}, {4, 1, 2, 3}};
    const int current = qBound(1, stageNumber(m_app.stage()), 4);
    std::array<ResultRow, 4> rows;
    for (int i = 0; i < 4; ++i) {
        const int s = order[current - 1][i];
        const StageTotals& t = m_app.totals()[s - 1];
        rows[i] = {stageName(s), QString::number(t.qsos), QString::number(t.multipliers),
                   QString::number(t.points)};
    }
    return rows;
}

Outcome<std::optional<LogRow>> ContactEngine::rowToCorrect() {
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

Outcome<std::optional<LogRow>> ContactEngine::startCorrection() {
    Outcome<std::optional<LogRow>> found = rowToCorrect();
    if (!found || !*found)
        return found;
    const std::optional<LogRow>& row = *found;
    const int stage = row->stage.trimmed().toInt();
    m_correction =
        CorrectionTarget{row->id, stage >= 1 && stage <= 4 ? stage : stageNumber(m_app.stage()),
                         row->mode == QStringLiteral("SSB") ? row->mode : QStringLiteral("CW")};
    m_contact.callsign = row->callsign;
    m_contact.date = row->date;
    m_contact.utc = row->utc;
    const auto sent = Correction::splitExchange(row->sent);
    const auto rcvd = Correction::splitExchange(row->rcvd);
    m_contact.rstSent = sent[0];
    m_contact.codeSent = sent[1];
    m_contact.countySent = sent[2];
    m_contact.rstReceived = rcvd[0];
    m_contact.codeReceived = rcvd[1];
    m_contact.countyReceived = rcvd[2];
    m_contact.mult = row->mult.isEmpty() ? QStringLiteral(" ") : row->mult;
    m_contact.newMult = !m_contact.mult.trimmed().isEmpty();
    m_contact.boardCounty = m_contact.newMult ? m_contact.mult.trimmed() : QString();
    m_contact.proposedCounty = m_contact.countyReceived;
    m_contact.points = row->points;
    m_contact.checked = false;
    m_contact.dupe = false;
    m_contact.otherMode = false;
    m_contact.notFound = false;
    return found;
}

Outcome<void> ContactEngine::cancelCorrection() {
    if (!m_correction)
        return {};
    m_correction.reset();
    return deriveSentCode();
}

void ContactEngine::resumeCorrection(const CorrectionTarget& target) {
    m_correction = target;
}

bool ContactEngine::contactInHand() const {
    const QString call = m_contact.callsign.trimmed();
    const bool onlyPrefill = def().log.yoPrefill && call == QStringLiteral("YO");
    return m_correction || (!call.isEmpty() && !onlyPrefill) ||
           !m_contact.codeReceived.trimmed().isEmpty() ||
           !m_contact.countyReceived.trimmed().isEmpty();
}

Outcome<void> ContactEngine::deleteContact(qint64 id) {
    const Outcome<std::optional<LogRow>> row = m_log.row(id);
    if (!row)
        return Failure{QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") + row.error()};
    const int stage = *row ? (*row)->stage.trimmed().toInt() : 0;
    Outcome<void> removed = m_log.remove(id, [&]() -> Outcome<void> {
        if (stage < 1 || stage > 4)
            return {};
        return m_mults.derive(def(), multiplierStation(), stage, id);
    });
    if (!removed)
        return Failure{QStringLiteral("CONTACTUL NU A PUTUT FI STERS: ") + removed.error()};
    const QsoContact typed = m_contact;
    const Outcome<void> derived =
        def().log.nextCode != NextCode::Sent ? deriveSentCode() : Outcome<void>();
    // A delete never edits the fields in hand; only an empty entry takes the new sent code.
    if (contactInHand())
        m_contact = typed;
    if (!derived)
        return Failure{QStringLiteral("CONTACTUL A FOST STERS, DAR CODUL DE TRIMIS NU A PUTUT FI "
                                      "CITIT: ") +
                       derived.error()};
    return {};
}

Outcome<void> ContactEngine::deriveMultipliers(int stage) {
    if (stage == 0)
        return m_mults.deriveAll(def(), multiplierStation());
    return m_logDb.inTransaction([&] { return m_mults.derive(def(), multiplierStation(), stage); });
}

Outcome<QString> ContactEngine::sentCodeAfterLast() {
    const Outcome<std::optional<LogRow>> last = m_log.lastRow();
    if (!last)
        return Failure{last.error()};
    if (!*last)
        return m_contact.codeSent;
    return Correction::nextSentCode((*last)->sent, (*last)->mode);
}
