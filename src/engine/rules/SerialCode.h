#pragma once

#include <QString>

namespace SerialCode {
/// The serial code after `code`: "001".."009", "010".."099", then unpadded.
QString next(const QString& code);
/// Serial `n` as it is sent: at least three digits.
QString text(int n);
} // namespace SerialCode
