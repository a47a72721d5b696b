#include "base/SettingsRecord.h"

bool UtcOffset::isReal() const {
    bool isNumber = false;
    const double h = text.trimmed().toDouble(&isNumber);
    return isNumber && h >= -12 && h <= 14;
}
