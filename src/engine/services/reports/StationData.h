#pragma once

#include "base/SettingsRecord.h"

#include <QStringList>

// The station data of the summary sheet, in the sheet's order, with the labels of each form.
namespace StationData {
/// Section, operator, number of operators, QTH, address, Tx, Rx, Ant1..Ant4, club.
QStringList values(const SettingsRecord& rec);
/// The labels of the summary file.
QStringList fileLabels();
/// The labels of the printed sheet.
QStringList printedLabels();
} // namespace StationData
