#pragma once

#include "rules/ContestDef.h"

#include <QString>
#include <QStringList>

// The county board of the QSO screen: one label per county, sector and "NY".
// Green means not yet worked in the stage, light grey worked.
namespace CountyBoard {
/// The 49 label codes: the 42 counties, "XA".."XF" and "NY".
const QStringList& labels();
/// The labels painted green when the board is reset for contest `def`.
QStringList greenLabels(const ContestDef& def);
/// The label code that a board county paints grey, or empty when it paints none.
QString greyLabel(const ContestDef& def, const QString& boardCounty);
} // namespace CountyBoard
