#include "logging/LogRow.h"

QVariant LogRow::value(int column) const {
    if (column == 0)
        return id;
    const QString* const values[] = {&callsign, &date, &utc,    &stage, &sent,
                                     &rcvd,     &mode, &county, &mult,  &points};
    if (column < 1 || column > 10)
        return {};
    return *values[column - 1];
}
