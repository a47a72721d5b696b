#include "services/reports/ExportLayout.h"

#include "base/LineEncoder.h"

namespace {
Outcome<void> putAll(const QStringList& lines, const ExportLayout::PutLine& put) {
    for (const QString& line : lines)
        if (Outcome<void> written = put(line); !written)
            return written;
    return {};
}
} // namespace

Outcome<void> ExportLayout::putHead(const PutLine& put) const {
    return putAll(head, put);
}

Outcome<void> ExportLayout::putRow(const LogRow& row, const PutLine& put) const {
    const Outcome<QString> r = line(row);
    if (!r)
        return Failure{r.error()};
    return put(*r);
}

Outcome<void> ExportLayout::putTail(qint64 rows, const PutLine& put) const {
    if (tailNeedsRows && rows == 0)
        return {};
    return putAll(tail, put);
}

Outcome<void> ExportLayout::write(const NextRow& next, const PutLine& put) const {
    if (Outcome<void> written = putHead(put); !written)
        return written;
    qint64 rows = 0;
    LogRow row;
    for (; next(row); ++rows)
        if (Outcome<void> written = putRow(row, put); !written)
            return written;
    return putTail(rows, put);
}

Outcome<QByteArray> ExportLayout::bytesOf(const QList<LogRow>& rows) const {
    QByteArray file;
    LineEncoder encoder([&file](const QByteArray& bytes) -> Outcome<void> {
        file += bytes;
        return {};
    });
    qsizetype i = 0;
    const NextRow next = [&](LogRow& row) {
        if (i == rows.size())
            return false;
        row = rows[i++];
        return true;
    };
    if (const Outcome<void> written = write(next, [&](const QString& l) { return encoder.add(l); });
        !written)
        return Failure{written.error()};
    if (const Outcome<void> finished = encoder.finish(); !finished)
        return Failure{finished.error()};
    return file;
}

Outcome<QByteArray> ExportLayout::textFile(const QStringList& lines) {
    ExportLayout layout;
    layout.head = lines;
    return layout.bytesOf({});
}
