#include "reports/Cabrillo.h"

#include "reports/CheckedStamp.h"
#include "reports/LogDate.h"
#include "reports/RowBuffer.h"

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
    switch (bandMeters) {
    case 160:
        return QStringLiteral("1800");
    case 80:
        return QStringLiteral("3500");
    case 40:
        return QStringLiteral("7000");
    case 20:
        return QStringLiteral("14000");
    case 15:
        return QStringLiteral("21000");
    case 10:
        return QStringLiteral("28000");
    default:
        return {};
    }
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

ExportLayout layout(const CabrilloHeader& h, const QString& myCall, const ContestDef& def) {
    ExportLayout l;
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
    l.line = [myCall, def](const LogRow& row) { return qsoLine(row, myCall, def); };
    l.tail = QStringList{QStringLiteral("END-OF-LOG: ")};
    return l;
}

} // namespace Cabrillo
