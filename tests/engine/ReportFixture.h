#pragma once

#include "base/SettingsRecord.h"
#include "services/reports/Cabrillo.h"
#include "store/LogRow.h"

#include <QList>

// Small logs of the contests the report tests compare whole files for.
namespace ReportFixture {

// A row from "CALL|DATE|UTC|ETP|SENT|RCVD|MD|JUD|MULT|PCT"; blanks inside fields are kept.
inline LogRow row(qint64 id, const char* fields) {
    const QStringList f = QString::fromUtf8(fields).split(u'|');
    Q_ASSERT(f.size() == 10);
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], id};
}

// The log in entry order; 01.03 is logged before 28.02 to show the order by real date.
inline QList<LogRow> entered(int contest) {
    switch (contest) {
    case 0:
        return {row(1, "YO3AAA|01.03.07|06:10|3|599 9 PH|599 3 BU|CW|BU|BU|2"),
                row(2, "YO8BBB|28.02.07|14:05|1|599 9 PH|599 8 IS|CW|IS|IS|2"),
                row(3, "YO5CCC/P|28.02.07|14:05|1|599 9 PH|599 5 CJ|CW|CJ|  |2"),
                row(4, "YO8BBB|28.02.07|14:07|1|599 9 PH|599 8 IS|CW|IS| | 0"),
                row(5, "YO2DDD|28.02.07|15:30|2|59 9 PH|59 2 TM|SSB|TM|TM|1"),
                row(6, "YO4EEE|01.03.07|07:45|4|59 9 PH|57 4 GL|SSB|GL|GL|1"),
                row(7, "YO7LONGCALLS|01.03.07|06:59|3|599 9 PH|599 7 DJ|CW|DJ|  |2")};
    case 11:
        return {row(1, "YO2AAA|12.05.07|10:00|1|599 001 ION|599 012 VASILE|CW|VA|  |1"),
                row(2, "YO2BBB|12.05.07|10:02|1|59 002 ION|59 004 MARIAN|SSB|MA|  |1"),
                row(3, "YO2CCC|12.05.07|11:10|2|599 003 ION|599 020 CONSTANTIN|CW|CO|  |1")};
    case 31:
        return {row(1, "YO9AAA|04.06.07|08:00|1|599 LEO|599 VIR|CW|VIR|VIR|2"),
                row(2, "YO9BBB|04.06.07|08:30|2|59 LEO|59 TAU|SSB|TAU|TAU|1"),
                row(3, "YO9CCC|05.06.07|08:00|3|599 LEO|599 ARI|CW|ARI|ARI|2"),
                row(4, "YO9DDD|05.06.07|09:00|4|59 LEO|59 ARI|SSB|ARI|ARI|1"),
                row(5, "YO9EEE|05.06.07|09:01|4|59 LEO|59 VIR|SSB|VIR|  |1")};
    case 33:
        return {row(1, "YO6AAA|15.09.07|16:00|1|599 001 HR|599 001 MS|CW|MS|MS|1"),
                row(2, "YO6BBB|15.09.07|16:05|1|599 002 HR|599 010 CV|CW|CV|CV|1"),
                row(3, "YO6CCC|15.09.07|17:02|2|59 001 HR|59 003 MS|SSB|MS|MS|1")};
    case 35:
        return {row(1, "YO5AAA|10.11.07|18:00|1|599 001 BV|599 001 CJ|CW|CJ|CJ|2"),
                row(2, "YO5BBB|10.11.07|18:01|1|59 002 BV|59 005 IS|SSB|IS|IS|1"),
                row(3, "ER1ZZ|10.11.07|18:20|2|599 003 BV|599 011 CH*|CW|CH*|CH*|4"),
                row(4, "YO5AAA|10.11.07|18:40|2|599 004 BV|599 002 CJ|CW|CJ|  |2")};
    }
    return {};
}

inline SettingsRecord station() {
    SettingsRecord s;
    s.myCall = QStringLiteral("YO5OHO/P");
    s.section = QStringLiteral("SOAB");
    s.operators = QStringLiteral("ION POPESCU");
    s.operatorCount = 1;
    s.qth = QStringLiteral(u"PLOIE\u015ETI"); // S-cedilla is 0xAA in Windows-1250
    s.address = QStringLiteral("STR. LUNGA 1");
    s.transmitter = QStringLiteral("FT-817");
    s.receiver = QStringLiteral("FT-817");
    s.antennas = {QStringLiteral("DIPOL"), QString(), QString(), QString()};
    s.club = QStringLiteral("YO9KXX");
    return s;
}

// The Cabrillo header of the expected files: the prefilled lines and the operator's answers.
inline CabrilloHeader header(const ContestDef& def, qint64 claim) {
    CabrilloHeader h = Cabrillo::prefilledHeader(def, station().myCall, claim, "07");
    h.category = QStringLiteral("SINGLE-OP ALL LOW");
    h.operators = QStringLiteral("YO5OHO");
    h.club = QStringLiteral("YO5KAD");
    h.name = QStringLiteral("ION POPESCU");
    h.address = {QStringLiteral("STR. LUNGA 1"), QStringLiteral("BRASOV"), QString()};
    h.soapbox = {QStringLiteral("73"), QString()};
    return h;
}

} // namespace ReportFixture
