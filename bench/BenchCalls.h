#pragma once

#include "rules/CountyTables.h"

#include <QString>

// Callsigns as a contest log holds them, one for every number: YO, YR, YQ, YP in call areas 2..9
// with three-letter suffixes, and one in sixteen from the Republic of Moldova (ER); every
// callsign differs from every other up to 500,000.
namespace BenchCalls {
inline QString callsign(int i) {
    if (i % 16 == 15) {
        const int n = i / 16;
        return QStringLiteral("ER%1%2%3%4")
            .arg(1 + n % 5)
            .arg(QChar(char16_t(u'A' + n / 5 % 26)))
            .arg(QChar(char16_t(u'A' + n / 130 % 26)))
            .arg(QChar(char16_t(u'A' + n / 3380 % 26)));
    }
    static const char* const prefixes[] = {"YO", "YR", "YQ", "YP"};
    QString suffix;
    int n = i / 32;
    for (int k = 0; k < 3; ++k, n /= 26)
        suffix.prepend(QChar(char16_t(u'A' + n % 26)));
    return QString::fromLatin1(prefixes[i % 4]) + QString::number(2 + (i / 4) % 8) + suffix;
}

/// A county of the callsign's own call area (a district with "*" for Moldova).
inline QString county(const QString& call, int i) {
    const int area = call.at(2).digitValue();
    if (call.startsWith(QLatin1String("ER"))) {
        const QStringList districts = CountyTables::moldovanDistrictsOfArea(area);
        return districts.isEmpty() ? QStringLiteral("CL*") : districts.at(i % districts.size());
    }
    const QStringList counties = CountyTables::countiesOfArea(area);
    return counties.isEmpty() ? QStringLiteral("BU") : counties.at(i % counties.size());
}
} // namespace BenchCalls
