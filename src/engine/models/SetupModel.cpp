#include "models/SetupModel.h"

#include "base/Cp1250.h"
#include "base/DateTimeText.h"
#include "base/KeptSettings.h"
#include "base/LeadingNumber.h"
#include "base/SettingsFiles.h"
#include "base/seams/Clock.h"
#include "contact/ContestLog.h"
#include "rules/ContestCatalog.h"
#include "store/LogStore.h"

namespace {
const QString kNoContest =
    QStringLiteral("Precizati CONCURSUL in care se va lucra prin Click pe el !!");
const QString kNoMode =
    QStringLiteral("Precizati daca lucrati in concurs sau testati programul  !!");
const QString kSentCode = QStringLiteral("COMPLECTATI BOXUL SENT COD");

// The caption of the own county box: the contest's own word for it, or "JUDET PROPRIU".
QString ownCountyCaption(const ContestDef& def) {
    const char* caption = def.screen.exchange.ownCaption;
    return (*caption ? QString::fromLatin1(caption) : QStringLiteral("JUDET PROPRIU")).trimmed();
}
} // namespace

SetupModel::SetupModel(ContestRun& run, Database& logDb, const Clock& clock)
    : m_run(run), m_logDb(logDb), m_clock(clock) {}

SetupShown SetupModel::shown() const {
    SetupShown s;
    const ContestDef& def = m_run.contest();
    const bool chosen = m_run.contestChosen();
    s.contestChoice = m_contestChoiceOpen;
    s.runChoice = !m_runKindChosen;
    if (chosen) {
        s.sentCode = def.sentCode != SentCodeRule::ZodiacSign &&
                     def.sentCode != SentCodeRule::Serial && def.sentCode != SentCodeRule::Hidden;
        s.sentCodeLegend = def.screen.exchange.codeMacroHelp;
        s.cwByPcFrame = def.screen.asksCwByPc || !def.ssbOnly;
        s.cwByPcChoice = def.screen.asksCwByPc || !def.screen.hidesCwTexts;
    }
    s.offLineStamp = m_offLine;
    s.realtimeWarning = m_realtimeMissing;
    s.ownCallUnknown = m_ownCallUnknown;
    s.keyerTexts = !(chosen && def.screen.hidesCwTexts) && m_cwAnswer.value_or(true);
    s.cwRepeat = m_cwAnswer.value_or(true);
    s.cwByPcChecked = m_cwAnswer;
    s.cwRepeatChecked = m_keyer.cwRepeat;
    s.ssbEnabled = m_keyer.soundCard;
    s.ssbRepeat = m_ssbAnswer.value_or(true);
    s.ssbByPcChecked = m_ssbAnswer;
    s.ssbRepeatChecked = m_keyer.ssbRepeat;
    return s;
}

void SetupModel::chooseContest(const ContestDef& def) {
    m_run.chooseContest(def);
    m_contestChoiceOpen = false;
    // A contest that asks whether the PC keys CW asks it again.
    if (def.screen.asksCwByPc && m_cwAnswer == true)
        m_cwAnswer.reset();
}

SentCodeStart SetupModel::sentCodeOnChoice(const QString& typed, const QString& ownCall) const {
    SentCodeStart callArea{ContestCatalog::callAreaDigit(ownCall), 1, SetupFocus::SentCodeOrCall};
    switch (m_run.contest().sentCode) {
    case SentCodeRule::CallAreaDigit:
        return callArea;
    case SentCodeRule::CallAreaDigitIfEmpty:
        if (typed.isEmpty())
            return callArea;
        return {std::nullopt, static_cast<int>(typed.size()), SetupFocus::SentCodeOrCall};
    case SentCodeRule::Serial:
    case SentCodeRule::Hidden:
        return {QStringLiteral("000"), -1, SetupFocus::OwnCountyOrCall};
    case SentCodeRule::ZodiacSign:
        break; // the own zodiac sign is asked instead
    case SentCodeRule::RequiredEmpty:
    case SentCodeRule::Free:
        return {QString(), -1, SetupFocus::SentCodeOrCall};
    }
    return {};
}

void SetupModel::chooseRunKind(bool realContest) {
    m_runKindChosen = true;
    m_run.chooseRealContest(realContest);
}

void SetupModel::keyCwByPc(bool byPc) {
    m_cwAnswer = byPc;
    m_keyer.cwByPc = byPc;
    m_keyer.cwRepeat = m_keyer.cwRepeat && byPc;
}

void SetupModel::playSsbByPc(bool byPc) {
    m_ssbAnswer = byPc;
    setSsbByPc(byPc);
}

void SetupModel::setSsbByPc(bool byPc) {
    m_keyer.ssbByPc = byPc && m_keyer.soundCard;
    m_keyer.ssbRepeat = m_keyer.ssbRepeat && m_keyer.ssbByPc;
}

void SetupModel::setSoundCard(bool present) {
    m_keyer.soundCard = present;
    setSsbByPc(m_keyer.ssbByPc);
    // Without a sound output "Nu" is the only answer.
    if (!present)
        m_ssbAnswer = false;
}

void SetupModel::startSetup() {
    m_offLine = false;
    if (!m_run.setupReopened()) {
        m_run.clearStageAndMode();
        return;
    }
    // The screen shows the run's options again, the contest and run kind chosen.
    m_contestChoiceOpen = false;
    m_keyer = m_run.keyer();
    m_cwAnswer = m_keyer.cwByPc;
    if (m_keyer.soundCard)
        m_ssbAnswer = m_keyer.ssbByPc;
}

QString SetupModel::typedStartDate(const QString& typed) {
    if (const std::optional<QDate> date = DateTimeText::parseDate(typed))
        m_startDate = DateTimeText::formatDate(*date);
    return m_startDate;
}

std::pair<QString, QString> SetupModel::offLineStartStamp() const {
    return {m_startDate, QStringLiteral("00:00")};
}

void SetupModel::startOffLine() {
    m_offLine = true;
    m_startDate = DateTimeText::formatDate(m_clock.utcNow().date());
    // Nothing is transmitted; the answers shown stay as they were.
    m_keyer.cwByPc = m_keyer.cwRepeat = false;
    setSsbByPc(false);
}

std::optional<QString> SetupModel::choicesMissing() const {
    if (!m_run.contestChosen())
        return kNoContest;
    if (!m_runKindChosen)
        return kNoMode;
    return std::nullopt;
}

std::variant<SetupRefusal, HandOver> SetupModel::handOver(const SetupForm& form) const {
    if (const std::optional<QString> missing = choicesMissing())
        return SetupRefusal{*missing, std::nullopt, 0, SetupRefusal::Fix::Focus};
    if (std::optional<SetupRefusal> refusal = firstRefusal(form))
        return *refusal;
    HandOver h;
    h.settings = settingsFrom(form);
    h.settings.utcOffset = UtcOffset::typed(form.utcOffset);
    h.keyer = m_keyer;
    h.offLine = m_offLine;
    h.startCode = m_run.contest().sentCodeIsStartNumber() ? leadingNumber(form.sentCode) : 0;
    if (m_offLine) {
        h.startDate = form.startDate;
        h.startTime = form.startTime;
    } else {
        std::tie(h.startDate, h.startTime) = DateTimeText::utcDateAndTime(m_clock);
    }
    return h;
}

SettingsRecord SetupModel::settingsFrom(const SetupForm& form) const {
    SettingsRecord s = m_run.settings();
    s.myCall = form.ownCall;
    s.myCounty = form.ownCounty;
    s.cwTexts = form.cwTexts;
    // A text without a number gives port 0, which opens nothing.
    s.comPort = leadingNumber(form.port);
    return s;
}

std::optional<SetupRefusal> SetupModel::firstRefusal(const SetupForm& form) const {
    using Fix = SetupRefusal::Fix;
    const ContestDef& def = m_run.contest();
    const bool codeShort = form.sentCode.size() < 3;
    if (codeShort && def.sentCodeFromCallArea())
        return SetupRefusal{kSentCode, SetupBox::SentCode, 0, Fix::PrefillCallArea};
    if (def.sentCode == SentCodeRule::ZodiacSign && form.ownCounty.size() < 3)
        return SetupRefusal{QStringLiteral("COMPLECTATI BOXUL ZODIA"), SetupBox::OwnCounty, 0,
                            Fix::Clear};
    if (codeShort && def.sentCode == SentCodeRule::RequiredEmpty)
        return SetupRefusal{kSentCode, SetupBox::SentCode, 0, Fix::Focus};
    if (def.log.exchange == ExchangeKind::Sector && form.ownCounty == QLatin1String("BU"))
        return SetupRefusal{QStringLiteral("JUDET INEXISTENT ! INTRODUCETI XA....XF !"),
                            SetupBox::OwnCounty, 0, Fix::Clear};
    if (form.utcOffset.trimmed().isEmpty())
        return SetupRefusal{QString(), SetupBox::UtcOffset, 0, Fix::Clear};
    if (!UtcOffset::typed(form.utcOffset).isReal())
        return SetupRefusal{QStringLiteral("DIFERENTA ORA YO - ORA UTC TREBUIE SA FIE UN NUMAR DE "
                                           "ORE INTRE -12 SI +14 !"),
                            SetupBox::UtcOffset, 0, Fix::SelectAll};
    return unwritableBox(form);
}

// Every box the settings files keep must fit them: the files are read by Windows programs too.
std::optional<SetupRefusal> SetupModel::unwritableBox(const SetupForm& form) const {
    struct Box {
        SetupBox box;
        int index;
        QString name;
        QString text;
    };
    QList<Box> boxes{{SetupBox::OwnCall, 0, QStringLiteral("INDICATIV"), form.ownCall},
                     {SetupBox::OwnCounty, 0, ownCountyCaption(m_run.contest()), form.ownCounty}};
    for (int i = 0; i < 7; ++i)
        boxes.append({SetupBox::CwText, i, QStringLiteral("F%1").arg(i + 1),
                      form.cwTexts.at(static_cast<size_t>(i))});
    for (const Box& b : boxes) {
        const QString chars = Cp1250::unwritable(b.text);
        const QString refused = chars.isEmpty()
                                    ? SettingsFiles::textTooLong(b.name, b.text)
                                    : Cp1250::refusal(QStringLiteral("Boxul ") + b.name, chars);
        if (!refused.isEmpty())
            return SetupRefusal{refused, b.box, b.index, SetupRefusal::Fix::Focus};
    }
    return std::nullopt;
}

QString SetupModel::contestLogQuestion() {
    // A real contest on line only, asked once a run; an unreadable log is named by the QSO screen.
    if (!m_run.realContest() || m_offLine || m_contestLogAsked)
        return {};
    const Outcome<ContestLog::Span> span = ContestLog::span(m_logDb);
    if (!span)
        return {};
    m_contestLogAsked = true;
    return ContestLog::question(*span, m_run.contest().codeString(),
                                KeptSettings(m_run.dataFolder()).lastContest(),
                                m_clock.utcNow().date());
}

Outcome<void> SetupModel::emptyLog() {
    Outcome<void> emptied = LogStore(m_logDb).removeAll();
    if (!emptied)
        m_contestLogAsked = false;
    return emptied;
}

QStringList SetupModel::saveSettings(const HandOver& handOver) const {
    const QString& folder = m_run.dataFolder();
    QStringList problems;
    for (const Outcome<void>& written :
         {SettingsFiles::writeInitFile(folder, handOver.settings),
          SettingsFiles::writeTextCwFile(folder, handOver.settings),
          KeptSettings(folder).keepLastContest(m_run.contest().codeString())})
        if (!written)
            problems << written.error();
    return problems;
}
