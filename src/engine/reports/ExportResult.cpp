#include "reports/ExportResult.h"

#include "setup/Cp1250.h"
#include "setup/SettingsFiles.h"

ExportResult ExportResult::textFile(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString refused = Cp1250::unwritable(lines[i]);
        if (!refused.isEmpty())
            return failed(Cp1250::refusal(
                QStringLiteral("Linia %1 (\"%2\")").arg(i + 1).arg(lines[i].trimmed()), refused));
    }
    return {SettingsFiles::encodeLines(lines), {}};
}
