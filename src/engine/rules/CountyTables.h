#pragma once

#include "rules/ContestDef.h"

#include <QString>
#include <QStringList>

/// Outcome of checking the received-county field.
struct CountyCheck {
    bool accepted = false;
    QString text;    // what the field holds afterwards (emptied when refused)
    QString message; // the message shown when refused
};

// The fixed county, sector, district and zodiac tables and the checks built on them.
namespace CountyTables {
/// The 42 county codes.
const QStringList& counties();
/// The twelve zodiac codes, in their order.
const QStringList& zodiac();
/// The counties of Romanian call area 2..9; empty for another area.
QStringList countiesOfArea(int area);
/// The districts of Moldovan call area 1..5; empty for another area.
QStringList moldovanDistrictsOfArea(int area);
/// The county choice list `counties` for a typed callsign: the table its prefix and digit call.
QStringList countyChoices(const QString& callsign);
/// What a chosen county-list entry writes into the received-county field.
QString chosenCounty(const QString& callsign, const QString& entry);
/// The log code of a Bucharest sector "B1".."B6" ("XA".."XF"); empty for anything else.
QString sectorLogCode(const QString& sector);
/// The own county for a stored county: Bucharest ("B1".."B6", "BU") becomes its sector log code
/// where `sectors` count ("X" for "BU", the operator completes it), else "BU".
QString ownCounty(const QString& stored, bool sectors);
/// True for a callsign of a Romanian prefix: YO, YR, YQ, YP.
bool isRomanian(const QString& callsign);
/// True for a Moldovan callsign, whose district gets a trailing "*".
bool isMoldovan(const QString& callsign);
/// Checks the received-county field `text` for `callsign` in contest `def`.
CountyCheck checkCounty(const ContestDef& def, const QString& callsign, const QString& text);
} // namespace CountyTables
