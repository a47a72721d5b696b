#include "reports/ExportResult.h"

#include "reports/ExportLayout.h"

ExportResult ExportResult::textFile(const QStringList& lines) {
    ExportLayout layout;
    layout.head = lines;
    return layout.bytesOf({});
}
