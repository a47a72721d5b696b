#include "reports/CheckedStamp.h"

#include "reports/LogDate.h"

CheckedStamp CheckedStamp::of(const RowBuffer& row) {
    CheckedStamp s;
    s.date = LogDate::parseDate(row.date);
    if (!s.date.isValid()) {
        s.error = QStringLiteral("FORMATUL DATEI CALENDARISTICE LA INDICATIVUL ") + row.callsign +
                  QStringLiteral(" INCORECT. PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ");
        return s;
    }
    s.time = LogDate::parseTime(row.time);
    if (!s.time.isValid())
        s.error = QStringLiteral("FORMATUL OREI UTC INCORECT ") + row.time +
                  QStringLiteral(". PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ");
    return s;
}
