#include "reports/Adif.h"

#include "reports/CheckedStamp.h"
#include "reports/LogDate.h"
#include "reports/RowBuffer.h"

#include <algorithm>

namespace {

// ADIF strings hold printable ASCII only: diacritics lose their marks, anything else becomes "?".
QString printableAscii(const QString& text) {
    if (std::all_of(text.cbegin(), text.cend(),
                    [](QChar ch) { return ch.unicode() >= 32 && ch.unicode() <= 126; }))
        return text;
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        if (ch.category() == QChar::Mark_NonSpacing)
            continue;
        out += ch.unicode() >= 32 && ch.unicode() <= 126 ? ch : QChar(u'?');
    }
    return out;
}

// "<TAG:n>value"; an empty value is left out, as a reader treats it as absent anyway.
void field(QString& record, QLatin1String tag, const QString& value) {
    if (value.isEmpty())
        return;
    record += u'<';
    record += tag;
    record += u':';
    record += QString::number(value.size());
    record += u'>';
    record += value;
}

struct Exchange {
    QString report;
    QString rest;
};

// The report and what follows it, cut by the length of the mode's report.
Exchange splitExchange(const QString& stored, const QString& mode) {
    const QString t = stored.trimmed();
    if (mode == QLatin1String("CW"))
        return {t.left(3), t.mid(4)};
    if (mode == QLatin1String("SSB"))
        return {t.left(2), t.mid(3)};
    return {t, t};
}

// The serial number leading the rest of an exchange, when it is all digits.
QString leadingSerial(const QString& rest) {
    const QString first = rest.section(u' ', 0, 0);
    for (const QChar ch : first)
        if (ch < u'0' || ch > u'9')
            return {};
    return first;
}

} // namespace

namespace Adif {

LineResult qsoRecord(const LogRow& row, const ContestDef& def) {
    const RowBuffer b(row);
    const CheckedStamp stamp = CheckedStamp::of(b);
    if (!stamp.error.isEmpty())
        return {{}, stamp.error};
    const QString mode = printableAscii(b.mode.trimmed());
    const Exchange sent = splitExchange(printableAscii(b.sent), mode);
    const Exchange rcvd = splitExchange(printableAscii(b.received), mode);
    QString r;
    r.reserve(256); // one allocation per record
    field(r, QLatin1String("CALL"), printableAscii(b.callsign.trimmed()));
    field(r, QLatin1String("QSO_DATE"),
          LogDate::digits(stamp.date.year(), 4) + LogDate::digits(stamp.date.month(), 2) +
              LogDate::digits(stamp.date.day(), 2));
    field(r, QLatin1String("TIME_ON"),
          LogDate::digits(stamp.time.hour(), 2) + LogDate::digits(stamp.time.minute(), 2));
    field(r, QLatin1String("MODE"), mode);
    field(r, QLatin1String("BAND"), QString::number(def.report.bandMeters) + u'm');
    if (row.frequency) // MHz, to the Hz
        field(r, QLatin1String("FREQ"),
              QStringLiteral("%1.%2")
                  .arg(*row.frequency / 1000000)
                  .arg(*row.frequency % 1000000, 6, 10, QLatin1Char('0')));
    field(r, QLatin1String("RST_SENT"), sent.report);
    field(r, QLatin1String("RST_RCVD"), rcvd.report);
    field(r, QLatin1String("COMMENT"), def.codeString());
    field(r, QLatin1String("STX"), leadingSerial(sent.rest));
    field(r, QLatin1String("STX_STRING"), sent.rest.trimmed());
    field(r, QLatin1String("SRX"), leadingSerial(rcvd.rest));
    field(r, QLatin1String("SRX_STRING"), rcvd.rest.trimmed());
    r += QLatin1String("<EOR>");
    return {r, {}};
}

ExportLayout layout(const ContestDef& def) {
    ExportLayout l;
    // Records hold printable ASCII only, the same bytes in every code page.
    l.line = [def](const LogRow& row) { return qsoRecord(row, def); };
    return l;
}

} // namespace Adif
