#pragma once

#include <QString>
#include <array>

// Taking a logged contact back into the entry fields, and the sent code after a mode change.
namespace Correction {
/// A stored exchange split into report, code and county. A text of two words
/// (the zodiac contest stores report and sign) gives report and county; the county is always
/// the last word.
std::array<QString, 3> splitExchange(const QString& exchange);
/// The code to send after the last logged contact, whose sent text and mode are
/// given; "001" when that text holds no code after the report.
QString nextSentCode(const QString& lastSent, const QString& lastMode);
} // namespace Correction
