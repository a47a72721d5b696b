#include "services/reports/RowBuffer.h"

void appendFit(QString& out, QStringView text, int width) {
    const QStringView cut = text.left(width);
    out += cut;
    for (qsizetype i = cut.size(); i < width; ++i)
        out += u' ';
}

void appendColumn(QString& out, QStringView text, int width) {
    out += text;
    for (qsizetype i = text.size(); i < width; ++i)
        out += u' ';
    if (text.size() >= width)
        out += u' ';
}

QString fit(const QString& text, int width) {
    return text.leftJustified(width, u' ', true);
}

QString column(const QString& text, int width) {
    return text.size() < width ? text.leftJustified(width, u' ') : text + u' ';
}

RowBuffer::RowBuffer(const LogRow& row)
    : callsign(column(row.callsign.trimmed(), 10)), date(fit(row.date, 10)), time(fit(row.utc, 6)),
      stage(row.stage), sent(fit(row.sent, 18)), received(fit(row.rcvd, 18)),
      mode(fit(row.mode, 4)), mult(fit(row.mult, 5)), points(fit(row.points, 3)) {}
