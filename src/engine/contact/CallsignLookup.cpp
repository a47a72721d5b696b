#include "contact/CallsignLookup.h"

#include "rules/CountyTables.h"

namespace {
QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

CallsignLookup::CallsignLookup(const ContestRun& run, Database& callDb,
                               const SpecialStations& specials, ContactInHand& hand)
    : m_run(run), m_calls(callDb), m_specials(specials), m_hand(hand) {}

QString CallsignLookup::lookupCounty(const QString& call, bool& found) {
    const LogRules& rules = def().log;
    found = true;
    if (call.isEmpty() ||
        (rules.lookup == LookupRule::ForeignIsAA && !CountyTables::isRomanian(call)) ||
        (rules.lookup == LookupRule::MaritimeIsAA && call.startsWith(QStringLiteral("YO")) &&
         call.endsWith(QStringLiteral("/MM"))))
        return QStringLiteral("AA");
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

QString CallsignLookup::clubWordOrCounty(const QString& call, const QString& county) {
    const LogRules& rules = def().log;
    const QString home = QString::fromLatin1(rules.clubHomeCounty);
    if (!*rules.clubWord || (!home.isEmpty() && county != home))
        return county;
    const QString code = def().codeString();
    const bool club100 = m_specials.contains(code, QStringLiteral("club100"), call);
    if (!club100 && !m_specials.contains(code, QStringLiteral("club"), call))
        return county;
    if (club100)
        m_hand.contact.codeReceived = QStringLiteral("100");
    return QString::fromLatin1(rules.clubWord);
}

LookupView CallsignLookup::lookUp(const QString& sentCode) {
    const LogRules& rules = def().log;
    QsoContact& c = m_hand.contact;
    c.callsign = c.callsign.toUpper();
    const QString call = c.callsign.trimmed();
    bool found = true;
    const QString county = lookupCounty(call, found);
    const QString report = ContactInHand::defaultReport(m_hand.mode());
    c.rstReceived = report;
    c.rstSent = report;
    c.countyReceived = rules.countyExchange() ? county : QString();
    // A corrected contact keeps the code it was sent.
    if (!m_hand.correction && rules.nextCode != NextCode::Serial)
        c.codeSent = sentCode;
    else if (!m_hand.correction && c.codeSent.trimmed().isEmpty())
        c.codeSent = QStringLiteral("001");
    c.countySent = m_run.settings().myCounty.trimmed();
    c.proposedCounty = c.countyReceived;
    c.notFound = !found;

    LookupView view;
    if (found)
        return view;
    view.hideStationFrames = true;
    if (rules.exchange != ExchangeKind::Sector)
        view.errorText =
            call + QStringLiteral("  ") + QStringLiteral(" NU EXISTA IN BAZA DE DATE !!");
    if (rules.exchange == ExchangeKind::Sector || rules.exchange == ExchangeKind::Name)
        return view;
    view.counties = CountyTables::countyChoices(call);
    if (rules.clubWordShortcuts)
        view.counties += words(rules.classWords);
    return view;
}

QString CallsignLookup::clubWordFor(const QString& text) const {
    // A single letter is never a county: it is the shortcut of the club word it begins.
    const LogRules& rules = def().log;
    if (!rules.clubWordShortcuts || text.size() != 1)
        return text;
    for (const QString& word : words(rules.classWords))
        if (word.startsWith(text))
            return word;
    return text;
}

bool CallsignLookup::learn(const QString& call, const QString& county) {
    if (!m_run.realContest() || !def().log.countyExchange() || CallsignDb::neverLearnt(county))
        return true;
    if (m_hand.contact.notFound)
        return m_calls.add(call, county).ok();
    if (m_hand.contact.proposedCounty.trimmed() != county)
        return m_calls.changeCounty(call, county).ok();
    return true;
}
