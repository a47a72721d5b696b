#pragma once

#include "rules/ContestDef.h"

#include <QString>
#include <span>

// The 23 contests the program knows, in the order of their option buttons.
namespace ContestCatalog {
/// All rows, in contest-number order.
std::span<const ContestDef> all();
/// The row of contest `number`, or nullptr for an unused number.
const ContestDef* find(int number);
/// The row with contest code `code`, or nullptr.
const ContestDef* findByCode(const QString& code);
/// The call-area digit of an own callsign: its third character read as a number, "0" otherwise.
QString callAreaDigit(const QString& myCall);
} // namespace ContestCatalog
