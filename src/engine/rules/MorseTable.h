#pragma once

#include <QChar>
#include <QString>
#include <span>

/// One entry of the Morse table: a character and its pattern of "." and "-".
struct MorseEntry {
    char character;
    const char* pattern;
};

// The characters the keyer can send. "a" and "s" are the prosigns AR and SK; any other
// character has no entry and is skipped.
namespace MorseTable {
/// The 43 entries in the order the keyer searches them.
std::span<const MorseEntry> entries();
/// The pattern of `c`, or an empty string when it has no entry (the search is case-sensitive).
QString pattern(QChar c);
} // namespace MorseTable
