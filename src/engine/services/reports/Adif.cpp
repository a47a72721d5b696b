#include "services/reports/Adif.h"

#include "base/LogDate.h"
#include "services/radio/Bands.h"
#include "services/reports/CheckedStamp.h"
#include "services/reports/RowBuffer.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

bool isPrintable(QChar ch) {
    return ch.unicode() >= 32 && ch.unicode() <= 126;
}

// ADIF strings hold printable ASCII only: diacritics lose their marks, anything else becomes "?".
QString printableAscii(const QString& text) {
    if (std::all_of(text.cbegin(), text.cend(), isPrintable))
        return text;
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        if (ch.category() == QChar::Mark_NonSpacing)
            continue;
        out += isPrintable(ch) ? ch : QChar(u'?');
    }
    return out;
}

// A value of the row cut to its field and trimmed: a view of the row's own text when that is
// printable ASCII already, as it nearly always is; otherwise `converted()` held in `owned`.
template <typename Converted>
QStringView printableField(QStringView cut, QString& owned, Converted converted) {
    if (std::all_of(cut.begin(), cut.end(), isPrintable))
        return cut.trimmed();
    owned = converted();
    return owned;
}

// "<TAG:n>value"; an empty value is left out, as a reader treats it as absent anyway.
template <typename Text> void field(QString& record, QLatin1StringView tag, Text value) {
    if (value.isEmpty())
        return;
    record += u'<';
    record += tag;
    record += u':';
    LogDate::appendNumber(record, value.size());
    record += u'>';
    record += value;
}

struct Exchange {
    QStringView report;
    QStringView rest;
};

// The report and what follows it in a trimmed exchange, cut by the length of the mode's report.
Exchange splitExchange(QStringView exchange, QStringView mode) {
    if (mode == u"CW")
        return {exchange.left(3), exchange.mid(4)};
    if (mode == u"SSB")
        return {exchange.left(2), exchange.mid(3)};
    return {exchange, exchange};
}

// The serial number leading the rest of an exchange, when it is all digits.
QStringView leadingSerial(QStringView rest) {
    const qsizetype space = rest.indexOf(u' ');
    const QStringView first = space < 0 ? rest : rest.left(space);
    const bool digits =
        std::all_of(first.begin(), first.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    return digits ? first : QStringView();
}

} // namespace

namespace Adif {

Outcome<QString> qsoRecord(const LogRow& row, const ContestDef& def) {
    const CheckedStamp stamp = CheckedStamp::of(row);
    if (!stamp.error.isEmpty())
        return Failure{stamp.error};
    QString callOwned;
    QString modeOwned;
    QString sentOwned;
    QString rcvdOwned;
    const QStringView call = printableField(row.callsign, callOwned,
                                            [&] { return printableAscii(row.callsign.trimmed()); });
    const QStringView mode = printableField(QStringView(row.mode).left(4), modeOwned, [&] {
        return printableAscii(fit(row.mode, 4).trimmed());
    });
    const auto exchange = [&](const QString& stored, QString& owned) {
        return splitExchange(
            printableField(QStringView(stored).left(18), owned,
                           [&] { return printableAscii(fit(stored, 18)).trimmed(); }),
            mode);
    };
    const Exchange sent = exchange(row.sent, sentOwned);
    const Exchange rcvd = exchange(row.rcvd, rcvdOwned);
    QString r;
    r.reserve(256); // one allocation per record
    field(r, QLatin1StringView("CALL"), call);
    r += QLatin1StringView("<QSO_DATE:8>");
    LogDate::appendDigits(r, stamp.date.year(), 4);
    LogDate::appendDigits(r, stamp.date.month(), 2);
    LogDate::appendDigits(r, stamp.date.day(), 2);
    r += QLatin1StringView("<TIME_ON:4>");
    LogDate::appendDigits(r, stamp.time.hour(), 2);
    LogDate::appendDigits(r, stamp.time.minute(), 2);
    field(r, QLatin1StringView("MODE"), mode);
    // The band of the frequency the radio reported, which may not be the contest's; none for a
    // frequency outside every band.
    const std::optional<int> metres =
        row.frequency ? Bands::metresOf(*row.frequency) : def.report.bandMeters;
    if (metres) {
        char band[16];
        char* const bandEnd = std::to_chars(band, band + sizeof band - 1, *metres).ptr;
        *bandEnd = 'm';
        field(r, QLatin1StringView("BAND"), QLatin1StringView(band, bandEnd + 1));
    }
    if (row.frequency) { // MHz, to the Hz
        QString mhz;
        LogDate::appendNumber(mhz, *row.frequency / 1000000);
        mhz += u'.';
        LogDate::appendDigits(mhz, int(*row.frequency % 1000000), 6);
        field(r, QLatin1StringView("FREQ"), QStringView(mhz));
    }
    field(r, QLatin1StringView("RST_SENT"), sent.report);
    field(r, QLatin1StringView("RST_RCVD"), rcvd.report);
    field(r, QLatin1StringView("COMMENT"), QLatin1StringView(def.code));
    field(r, QLatin1StringView("STX"), leadingSerial(sent.rest));
    field(r, QLatin1StringView("STX_STRING"), sent.rest.trimmed());
    field(r, QLatin1StringView("SRX"), leadingSerial(rcvd.rest));
    field(r, QLatin1StringView("SRX_STRING"), rcvd.rest.trimmed());
    r += QLatin1StringView("<EOR>");
    return r;
}

ExportLayout layout(const ContestDef& def) {
    ExportLayout l;
    // Records hold printable ASCII only, the same bytes in every code page.
    l.line = [def](const LogRow& row) { return qsoRecord(row, def); };
    return l;
}

} // namespace Adif
