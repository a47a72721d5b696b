#pragma once

#include "rules/ContestDef.h"

#include <QString>

/// What the macros of a CW message are replaced with.
struct CwMacroValues {
    QString myCall;      // "#1"
    QString lookupCall;  // "#2": the trimmed callsign field
    QString codeSent;    // "#3": the sent-code field
    QString ownExchange; // "#4": the sent-county field (county, zodiac sign or name)
};

/// A message text with its macros expanded.
struct CwMacroResult {
    QString text;
    bool logAfterSend = false; // "#8" was in the text
};

namespace CwMacros {
/// Trims `cwText` and expands "#1", "#2", "#3", "#4" and "#8"; any other "#x" is dropped.
CwMacroResult expand(const QString& cwText, const CwMacroValues& values, const ContestDef& contest);
/// The sent code as "#3" sends it: cut in the contests that ask for it.
QString codeForCw(const QString& codeSent, const ContestDef& contest);
} // namespace CwMacros
