#include "services/reports/Cabrillo.h"

#include "services/radio/Bands.h"

#include "base/LogDate.h"
#include "services/reports/CheckedStamp.h"
#include "services/reports/RowBuffer.h"
#include <algorithm>
#include <string_view>

namespace Cabrillo {

QString contestName(const ContestDef& def, const QString& yy) {
    return QString::fromLatin1(def.report.cabrilloName) + yy;
}

CabrilloHeader prefilledHeader(const ContestDef& def, const QString& myCall, qint64 claimedScore,
                               const QString& yy) {
    CabrilloHeader h;
    h.contest = contestName(def, yy);
    h.callsign = myCall;
    h.claimedScore = QString::number(claimedScore);
    return h;
}

QString frequency(int bandMeters) {
    const int khz = Bands::lowerEdgeKhz(bandMeters);
    return khz > 0 ? QString::number(khz) : QString();
}

Outcome<QString> qsoLine(const LogRow& row, const QString& myCall, const ContestDef& def) {
    const CheckedStamp stamp = CheckedStamp::of(row);
    if (!stamp.error.isEmpty())
        return Failure{stamp.error};
    const QStringView mode = QStringView(row.mode).left(4).trimmed();
    QString line;
    line.reserve(96); // one allocation per line
    line += QLatin1StringView("QSO: ");
    // The radio's frequency in whole kHz when it was read, else the band's.
    appendFit(line,
              row.frequency ? QString::number(*row.frequency / 1000)
                            : frequency(def.report.bandMeters),
              5);
    line += u' ';
    appendFit(line, mode == u"SSB" ? QStringView(u"PH") : mode, 3);
    LogDate::appendDigits(line, stamp.date.year(), 4);
    line += u'-';
    LogDate::appendDigits(line, stamp.date.month(), 2);
    line += u'-';
    LogDate::appendDigits(line, stamp.date.day(), 2);
    line += u' ';
    LogDate::appendDigits(line, stamp.time.hour(), 2);
    LogDate::appendDigits(line, stamp.time.minute(), 2);
    line += u' ';
    appendColumn(line, QStringView(myCall).trimmed(), 14);
    appendFit(line, QStringView(row.sent).left(18).trimmed(), 12);
    appendColumn(line, QStringView(row.callsign).trimmed(), 14);
    appendFit(line, QStringView(row.rcvd).left(18).trimmed(), 12);
    return line;
}

namespace {
// The 3.0 category lines in the order of the file, with the values each takes.
struct CategoryLine {
    const char* tag;
    QStringList values;
};

const QList<CategoryLine>& categories() {
    static const QList<CategoryLine> lines{
        {"CATEGORY-OPERATOR", {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
        {"CATEGORY-ASSISTED", {"ASSISTED", "NON-ASSISTED"}},
        {"CATEGORY-BAND",
         {"ALL", "160M", "80M", "40M",  "20M",  "15M",  "10M",   "6M",         "4M",
          "2M",  "222",  "432", "902",  "1.2G", "2.3G", "3.4G",  "5.7G",       "10G",
          "24G", "47G",  "75G", "122G", "134G", "241G", "LIGHT", "VHF-3-BAND", "VHF-FM-ONLY"}},
        {"CATEGORY-MODE", {"CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"}},
        {"CATEGORY-POWER", {"HIGH", "LOW", "QRP"}},
        {"CATEGORY-STATION",
         {"DISTRIBUTED", "FIXED", "MOBILE", "PORTABLE", "ROVER", "ROVER-LIMITED", "ROVER-UNLIMITED",
          "EXPEDITION", "HQ", "SCHOOL", "EXPLORER"}},
        {"CATEGORY-TIME", {"6-HOURS", "8-HOURS", "12-HOURS", "24-HOURS"}},
        {"CATEGORY-TRANSMITTER", {"ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"}},
        {"CATEGORY-OVERLAY", {"CLASSIC", "ROOKIE", "TB-WIRES", "YOUTH", "NOVICE-TECH", "OVER-50"}},
    };
    return lines;
}

QString modeOf(const QStringList& modesLogged, const ContestDef& def) {
    if (modesLogged.size() == 1 && (modesLogged[0] == u"CW" || modesLogged[0] == u"SSB"))
        return modesLogged[0];
    return def.ssbOnly ? QStringLiteral("SSB") : QStringLiteral("MIXED");
}

QStringList head3(const CabrilloHeader& h, const ContestDef& def, const QStringList& modes) {
    QStringList head{
        QStringLiteral("START-OF-LOG: 3.0"), QStringLiteral("CREATED-BY: Tarvine/Karven "),
        QStringLiteral("CONTEST: ") + h.contest, QStringLiteral("CALLSIGN: ") + h.callsign};
    head << categoryLines(h.category, def, modes);
    head << QStringLiteral("CLAIMED-SCORE: ") + h.claimedScore
         << QStringLiteral("OPERATORS: ") + h.operators << QStringLiteral("CLUB: ") + h.club
         << QStringLiteral("NAME: ") + h.name;
    // Lines a 3.0 reader would take as given are left out when their box is empty.
    for (const QString& a : h.address)
        if (!a.trimmed().isEmpty())
            head << QStringLiteral("ADDRESS: ") + a;
    for (const QString& s : h.soapbox)
        if (!s.trimmed().isEmpty())
            head << QStringLiteral("SOAPBOX: ") + s;
    return head;
}
} // namespace

QStringList categoryLines(const QString& words, const ContestDef& def,
                          const QStringList& modesLogged) {
    const QStringList typed = words.toUpper().split(u' ', Qt::SkipEmptyParts);
    QStringList lines;
    QStringList unknown = typed;
    for (const CategoryLine& c : categories()) {
        const auto it = std::find_if(typed.cbegin(), typed.cend(),
                                     [&](const QString& w) { return c.values.contains(w); });
        QString value;
        if (it != typed.cend()) {
            value = *it;
            unknown.removeAll(value);
        } else if (c.tag == std::string_view("CATEGORY-OPERATOR")) {
            value = QStringLiteral("SINGLE-OP");
        } else if (c.tag == std::string_view("CATEGORY-BAND")) {
            value = QStringLiteral("%1M").arg(def.report.bandMeters);
        } else if (c.tag == std::string_view("CATEGORY-MODE")) {
            value = modeOf(modesLogged, def);
        }
        if (!value.isEmpty())
            lines << QLatin1String(c.tag) + QStringLiteral(": ") + value;
    }
    if (!unknown.isEmpty())
        lines << QStringLiteral("X-CATEGORY: ") + unknown.join(u' ');
    return lines;
}

ExportLayout layout(const CabrilloHeader& h, const QString& myCall, const ContestDef& def,
                    const QStringList& modesLogged) {
    ExportLayout l;
    l.line = [myCall, def](const LogRow& row) { return qsoLine(row, myCall, def); };
    l.tail = QStringList{QStringLiteral("END-OF-LOG: ")};
    if (h.version3) {
        l.head = head3(h, def, modesLogged);
        return l;
    }
    l.head = QStringList{QStringLiteral("START-OF-LOG: 2.0"),
                         QStringLiteral("CREATED-BY: Tarvine/Karven "),
                         QStringLiteral("CONTEST: ") + h.contest,
                         QStringLiteral("CALLSIGN: ") + h.callsign,
                         QStringLiteral("CATEGORY: ") + h.category,
                         QStringLiteral("CLAIMED-SCORE: ") + h.claimedScore,
                         QStringLiteral("OPERATORS: ") + h.operators,
                         QStringLiteral("CLUB: ") + h.club,
                         QStringLiteral("NAME: ") + h.name};
    for (const QString& a : h.address)
        l.head << QStringLiteral("ADDRESS: ") + a;
    for (const QString& s : h.soapbox)
        l.head << QStringLiteral("SOAPBOX: ") + s;
    return l;
}

} // namespace Cabrillo
