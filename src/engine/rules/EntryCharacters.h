#pragma once

#include "rules/ContestDef.h"
#include "rules/EntryField.h"

#include <QString>

/// Which characters each entry field takes, so that nothing the exports cannot carry is logged.
namespace EntryCharacters {
/// The longest callsign the exports carry.
inline constexpr int kLongestCallsign = 13;
/// The longest text of `field` (0: no limit of its own).
int maxLength(EntryField field);
/// True when `field` takes the upper-case character `c` in `def`'s exchange; blanks and control
/// characters are left to the keys' own rules.
bool accepts(const ContestDef& def, EntryField field, QChar c);
/// What `field` takes of a pasted `text`: upper case, only the characters the field accepts, and
/// blanks except in a callsign.
QString legalText(const ContestDef& def, EntryField field, const QString& text);
/// True when `callsign` is made of letters A-Z, digits and "/" only, and not too long.
bool legalCallsign(const QString& callsign);
} // namespace EntryCharacters
