#include "rules/MorseTable.h"

#include <array>

namespace {
// clang-format off
constexpr std::array<MorseEntry, 43> kEntries{{
    {'E', "."},      {'T', "-"},      {'A', ".-"},     {'I', ".."},     {'M', "--"},
    {'N', "-."},     {'D', "-.."},    {'G', "--."},    {'K', "-.-"},    {'O', "---"},
    {'R', ".-."},    {'S', "..."},    {'U', "..-"},    {'W', ".--"},    {'B', "-..."},
    {'C', "-.-."},   {'F', "..-."},   {'H', "...."},   {'J', ".---"},   {'L', ".-.."},
    {'P', ".--."},   {'Q', "--.-"},   {'V', "...-"},   {'X', "-..-"},   {'Y', "-.--"},
    {'Z', "--.."},   {'0', "-----"},  {'1', ".----"},  {'2', "..---"},  {'3', "...--"},
    {'4', "....-"},  {'5', "....."},  {'6', "-...."},  {'7', "--..."},  {'8', "---.."},
    {'9', "----."},  {'/', "-..-."},  {'=', "-...-"},  {'a', ".-.-."},  {'.', ".-.-.-"},
    {',', "--..--"}, {'?', "..--.."}, {'s', "...-.-"},
}};
// clang-format on
} // namespace

namespace MorseTable {

std::span<const MorseEntry> entries() {
    return kEntries;
}

QString pattern(QChar c) {
    for (const MorseEntry& e : kEntries)
        if (c == QLatin1Char(e.character))
            return QString::fromLatin1(e.pattern);
    return {};
}

} // namespace MorseTable
