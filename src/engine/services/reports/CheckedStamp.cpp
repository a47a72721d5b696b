#include "services/reports/CheckedStamp.h"

#include "base/LogDate.h"
#include "services/reports/RowBuffer.h"

CheckedStamp CheckedStamp::of(const LogRow& row) {
    CheckedStamp s;
    s.date = LogDate::parseDate(QStringView(row.date).left(10));
    if (!s.date.isValid()) {
        s.error = QStringLiteral("FORMATUL DATEI CALENDARISTICE LA INDICATIVUL ") +
                  RowBuffer(row).callsign +
                  QStringLiteral(" INCORECT. PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ");
        return s;
    }
    s.time = LogDate::parseTime(QStringView(row.utc).left(6));
    if (!s.time.isValid())
        s.error = QStringLiteral("FORMATUL OREI UTC INCORECT ") + RowBuffer(row).time +
                  QStringLiteral(". PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ");
    return s;
}
