#pragma once

#include <QString>

/// The leading whole number of a typed text ("12AB" gives 12, " 3" gives 3), 0 when it has none.
int leadingNumber(const QString& text);
