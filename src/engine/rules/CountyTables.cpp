#include "rules/CountyTables.h"

namespace {
QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

namespace CountyTables {

const QStringList& counties() {
    static const QStringList list =
        words("AB AG AR BC BH BN BR BT BU BV BZ CJ CL CS CT CV DB DJ GJ "
              "GL GR HD HR IF IL IS MH MM MS NT OT PH SB SJ SM SV TL TM "
              "TR VL VN VS");
    return list;
}

const QStringList& zodiac() {
    static const QStringList list = words("BER TAU GEM RAC LEU FEC BAL SCO SAG CAP VAR PES");
    return list;
}

QStringList countiesOfArea(int area) {
    static const char* const tables[] = {"AR CS HD TM",       "BU IF",
                                         "BR CT GL TL VN",    "AB BH BN CJ MM SJ SM",
                                         "BV CV HR MS SB",    "AG DJ GJ MH OT VL",
                                         "BC BT IS NT SV VS", "BZ CL DB GR IL PH TR"};
    return area >= 2 && area <= 9 ? words(tables[area - 2]) : QStringList();
}

QStringList moldovanDistrictsOfArea(int area) {
    static const char* const tables[] = {"CL CR DB HN IL NS OR ST", "AN BE CI CS GR SL SV TR TS",
                                         "BL FL FR GL RB RZ SG TL UN", "BR CC DN DR ED OC RS SD SR",
                                         "BS CG CH CM CO CT LV TR VL"};
    if (area < 1 || area > 5)
        return {};
    QStringList list = words(tables[area - 1]);
    if (area == 1)
        list.prepend(QStringLiteral("C ")); // the one district written with a trailing blank
    return list;
}

QStringList countyChoices(const QString& callsign) {
    if (callsign.size() < 3 || !callsign.at(2).isDigit())
        return {};
    const int area = callsign.at(2).digitValue();
    if (isMoldovan(callsign))
        return moldovanDistrictsOfArea(area);
    return isRomanian(callsign) ? countiesOfArea(area) : QStringList();
}

QString chosenCounty(const QString& callsign, const QString& entry) {
    return isMoldovan(callsign) ? entry + QLatin1Char('*') : entry;
}

QString sectorLogCode(const QString& sector) {
    static const QStringList sectors = words("B1 B2 B3 B4 B5 B6");
    const qsizetype i = sectors.indexOf(sector);
    return i < 0 ? QString() : QString(QChar(u'X')) + QChar(char16_t(u'A' + i));
}

QString ownCounty(const QString& stored, bool sectors) {
    const QString sector = sectorLogCode(stored);
    if (sector.isEmpty() && stored != QLatin1String("BU"))
        return stored;
    if (!sectors)
        return QStringLiteral("BU");
    return sector.isEmpty() ? QStringLiteral("X") : sector;
}

bool isRomanian(const QString& callsign) {
    static const QStringList prefixes = words("YO YR YQ YP");
    return prefixes.contains(callsign.left(2));
}

bool isMoldovan(const QString& callsign) {
    return callsign.trimmed().startsWith(QStringLiteral("ER"));
}

CountyCheck checkCounty(const ContestDef& def, const QString& callsign, const QString& text) {
    if (isMoldovan(callsign)) {
        // A district chosen from the list already carries its "*".
        const QString district = text.trimmed();
        return {
            true, district.endsWith(QLatin1Char('*')) ? district : district + QLatin1Char('*'), {}};
    }
    const LogRules& rules = def.log;
    bool ok = false;
    switch (rules.exchange) {
    case ExchangeKind::Name:
        ok = true;
        break;
    case ExchangeKind::Zodiac:
        ok = zodiac().contains(text);
        break;
    case ExchangeKind::Sector:
        ok = text != QStringLiteral("BU") &&
             (counties().contains(text) || text == QStringLiteral("AA") || rules.acceptsWord(text));
        break;
    case ExchangeKind::County:
        ok = counties().contains(text) || text == QStringLiteral("AA") || rules.acceptsWord(text);
        break;
    }
    if (ok)
        return {true, text, {}};
    return {false, QString(),
            rules.exchange == ExchangeKind::Zodiac ? QStringLiteral("ZODIE INEXISTENTA !")
                                                   : QStringLiteral("JUDET INEXISTENT !")};
}

} // namespace CountyTables
