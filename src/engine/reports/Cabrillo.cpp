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

LineResult qsoLine(const LogRow& row, const QString& myCall, const ContestDef& def) {
    const RowBuffer b(row);
    const CheckedStamp stamp = CheckedStamp::of(b);
    if (!stamp.error.isEmpty())
        return {{}, stamp.error};
    const QString mode = b.mode.trimmed();
    const QString cbrMode = mode == QLatin1String("SSB") ? QStringLiteral("PH") : mode;
    QString line;
    line.reserve(82);
    line += QLatin1String("QSO: ");
    // The radio's frequency in whole kHz when it was read, else the band's.
    line += fit(row.frequency ? QString::number(*row.frequency / 1000)
                              : frequency(def.report.bandMeters),
                5) +
            u' ';
    line += fit(cbrMode, 3);
    line += LogDate::digits(stamp.date.year(), 4) + u'-' + LogDate::digits(stamp.date.month(), 2) +
            u'-' + LogDate::digits(stamp.date.day(), 2) + u' ';
    line += LogDate::digits(stamp.time.hour(), 2) + LogDate::digits(stamp.time.minute(), 2) + u' ';
    line += column(myCall.trimmed(), 14);
    line += fit(b.sent.trimmed(), 12);
    line += column(b.callsign.trimmed(), 14);
    line += fit(b.received.trimmed(), 12);
    return {line, {}};
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
