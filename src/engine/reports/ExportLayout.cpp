#include "reports/ExportLayout.h"

#include "reports/LineEncoder.h"

bool ExportLayout::write(const NextRow& next, const PutLine& put, QString& rowError) const {
    for (const QString& l : head)
        if (!put(l))
            return false;
    bool anyRow = false;
    LogRow row;
    while (next(row)) {
        const LineResult r = line(row);
        if (!r.ok()) {
            rowError = r.error;
            return false;
        }
        if (!put(r.line))
            return false;
        anyRow = true;
    }
    if (tailNeedsRows && !anyRow)
        return true;
    for (const QString& l : tail)
        if (!put(l))
            return false;
    return true;
}

ExportResult ExportLayout::bytesOf(const QList<LogRow>& rows) const {
    ExportResult r;
    LineEncoder encoder([&r](const QByteArray& bytes) {
        r.bytes += bytes;
        return true;
    });
    qsizetype i = 0;
    QString rowError;
    const NextRow next = [&](LogRow& row) {
        if (i == rows.size())
            return false;
        row = rows[i++];
        return true;
    };
    if (!write(
            next, [&](const QString& l) { return encoder.add(l); }, rowError))
        return ExportResult::failed(rowError.isEmpty() ? encoder.error() : rowError);
    encoder.finish();
    return r;
}
