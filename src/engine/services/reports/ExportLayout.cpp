#include "services/reports/ExportLayout.h"

#include "base/LineEncoder.h"

#include <algorithm>

namespace {
bool putAll(const QStringList& lines, const ExportLayout::PutLine& put) {
    return std::all_of(lines.cbegin(), lines.cend(), put);
}
} // namespace

bool ExportLayout::putHead(const PutLine& put) const {
    return putAll(head, put);
}

bool ExportLayout::putRow(const LogRow& row, const PutLine& put, QString& rowError) const {
    const Outcome<QString> r = line(row);
    if (!r) {
        rowError = r.error();
        return false;
    }
    return put(*r);
}

bool ExportLayout::putTail(qint64 rows, const PutLine& put) const {
    return (tailNeedsRows && rows == 0) || putAll(tail, put);
}

bool ExportLayout::write(const NextRow& next, const PutLine& put, QString& rowError) const {
    if (!putHead(put))
        return false;
    qint64 rows = 0;
    LogRow row;
    for (; next(row); ++rows)
        if (!putRow(row, put, rowError))
            return false;
    return putTail(rows, put);
}

Outcome<QByteArray> ExportLayout::bytesOf(const QList<LogRow>& rows) const {
    QByteArray file;
    LineEncoder encoder([&file](const QByteArray& bytes) {
        file += bytes;
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
        return Failure{rowError.isEmpty() ? encoder.error() : rowError};
    encoder.finish();
    return file;
}

Outcome<QByteArray> ExportLayout::textFile(const QStringList& lines) {
    ExportLayout layout;
    layout.head = lines;
    return layout.bytesOf({});
}
