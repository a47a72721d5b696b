#pragma once

#include <QString>
#include <array>

/// The header boxes of the Cabrillo form, written as they stand.
struct CabrilloHeader {
    QString contest;
    QString callsign;
    QString category;
    QString claimedScore;
    QString operators;
    QString club;
    QString name;
    std::array<QString, 3> address;
    std::array<QString, 2> soapbox;
    bool version3 = false; // Cabrillo 3.0: the category words on their own CATEGORY-* lines
};
