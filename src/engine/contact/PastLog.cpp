#include "contact/PastLog.h"

#include "base/Cp1250.h"
#include "base/ErrorReason.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

bool allDigits(const QString& word) {
    return !word.isEmpty() &&
           std::all_of(word.cbegin(), word.cend(), [](QChar ch) { return ch.isDigit(); });
}

// A callsign has letters and a digit, and nothing but those and "/". Checked by hand: a pattern
// match on every word of a log of 100000 contacts is most of its reading.
bool looksLikeCall(const QString& word) {
    bool letter = false;
    bool digit = false;
    for (const QChar ch : word) {
        letter |= ch >= u'A' && ch <= u'Z';
        digit |= ch >= u'0' && ch <= u'9';
        if (!(ch >= u'A' && ch <= u'Z') && !(ch >= u'0' && ch <= u'9') && ch != u'/')
            return false;
    }
    return letter && digit && word.size() >= 3;
}

// The county word of a received exchange: the first word after the report that is not a number.
QString countyOf(const QStringList& exchange) {
    for (const QString& word : exchange.mid(1))
        if (!allDigits(word))
            return word;
    return {};
}

QString lineRefusal(int line) {
    return QStringLiteral("linia %1 nu poate fi citita").arg(line);
}

// "QSO: freq mode date time mycall <sent> call <received> [transmitter]", the frequency perhaps
// left blank. The sent and received exchanges have as many words; otherwise the callsign is the
// first word shaped like one.
std::optional<HeardStation> cabrilloQso(const QString& line) {
    const QStringList w = line.toUpper().simplified().split(u' ', Qt::SkipEmptyParts);
    const auto dateAt = [&w](qsizetype i) {
        return w.size() > i && w[i].size() == 10 ? QDate::fromString(w[i], Qt::ISODate) : QDate();
    };
    const qsizetype d = dateAt(3).isValid() ? 3 : 2;
    const QDate date = dateAt(d);
    if (!date.isValid() || w.size() < d + 7 || w[d + 1].size() != 4 || !allDigits(w[d + 1]))
        return std::nullopt;
    const QStringList rest = w.mid(d + 3);
    qsizetype at = rest.size() % 2 ? rest.size() / 2 : -1;
    if (at < 0 || !looksLikeCall(rest[at])) {
        at = -1;
        for (qsizetype i = 1; i + 1 < rest.size() && at < 0; ++i)
            if (looksLikeCall(rest[i]))
                at = i;
    }
    if (at < 0)
        return std::nullopt;
    return HeardStation{rest[at], countyOf(rest.mid(at + 1)),
                        date.toString(QStringLiteral("yyyyMMdd")) + w[d + 1]};
}

PastLogFile parseCabrillo(PastLogFile file, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("QSO:"), Qt::CaseInsensitive))
            continue;
        const std::optional<HeardStation> heard = cabrilloQso(lines[i]);
        if (!heard) {
            file.heard.clear();
            file.refusal = lineRefusal(int(i) + 1);
            return file;
        }
        file.heard << *heard;
    }
    return file;
}

// The fields of one ADIF record, by upper-case name.
using AdifRecord = QHash<QString, QString>;

// Reads "<NAME:length[:type]>value" fields up to each "<EOR>"; the lengths count bytes, so the
// bytes are read, and each value decoded on its own. False, and the line, at a malformed field.
bool adifRecords(const QByteArray& bytes, QList<AdifRecord>& records, int& badLine) {
    const qsizetype header = bytes.toUpper().indexOf("<EOH>");
    qsizetype pos = header < 0 ? 0 : header + 5;
    AdifRecord record;
    for (qsizetype open = bytes.indexOf('<', pos); open >= 0; open = bytes.indexOf('<', pos)) {
        const qsizetype close = bytes.indexOf('>', open);
        const QList<QByteArray> parts =
            close < 0 ? QList<QByteArray>{} : bytes.mid(open + 1, close - open - 1).split(':');
        const QString name = parts.isEmpty() ? QString() : QString::fromLatin1(parts[0]).toUpper();
        bool ok = !name.isEmpty();
        pos = close + 1;
        if (ok && parts.size() == 1 && name == QLatin1String("EOR")) {
            records << record;
            record.clear();
            continue;
        }
        const int length = parts.size() > 1 ? parts[1].toInt(&ok) : -1;
        if (!ok || length < 0 || pos + length > bytes.size()) {
            badLine = int(bytes.left(open).count('\n')) + 1;
            return false;
        }
        record.insert(name, PastLog::decode(bytes.mid(pos, length)).trimmed().toUpper());
        pos += length;
    }
    return true;
}

PastLogFile parseAdif(PastLogFile file, const QByteArray& bytes) {
    QList<AdifRecord> records;
    int badLine = 0;
    if (!adifRecords(bytes, records, badLine)) {
        file.refusal = lineRefusal(badLine);
        return file;
    }
    static const QStringList countyFields{QStringLiteral("STATE"), QStringLiteral("CNTY"),
                                          QStringLiteral("SRX_STRING")};
    for (qsizetype i = 0; i < records.size(); ++i) {
        const AdifRecord& r = records[i];
        const QString call = r.value(QStringLiteral("CALL"));
        const QDate date =
            QDate::fromString(r.value(QStringLiteral("QSO_DATE")), QStringLiteral("yyyyMMdd"));
        if (!looksLikeCall(call) || !date.isValid()) {
            file.heard.clear();
            file.refusal = QStringLiteral("inregistrarea %1 nu poate fi citita").arg(i + 1);
            return file;
        }
        const auto field = std::find_if(countyFields.cbegin(), countyFields.cend(),
                                        [&r](const QString& f) { return !r.value(f).isEmpty(); });
        QString county;
        if (field != countyFields.cend()) {
            if (!file.countyFields.contains(*field))
                file.countyFields << *field;
            // The received string holds the serial before the county; a report may lead it too.
            const QString value = r.value(*field);
            county = *field == QLatin1String("SRX_STRING")
                         ? countyOf(QStringList{QString()} + value.split(u' ', Qt::SkipEmptyParts))
                         : value.section(u',', -1).trimmed();
        }
        const QString time = r.value(QStringLiteral("TIME_ON")).left(4).leftJustified(4, u'0');
        file.heard << HeardStation{call, county, date.toString(QStringLiteral("yyyyMMdd")) + time};
    }
    return file;
}

// The lines of a call history or a list of known callsigns, without "#" comments and blank lines,
// with their line numbers.
QList<std::pair<int, QString>> listLines(const QStringList& lines) {
    QList<std::pair<int, QString>> out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (const QString line = lines[i].section(u'#', 0, 0).trimmed().toUpper(); !line.isEmpty())
            out.append({int(i) + 1, line});
    return out;
}

// "callsign,county[,...]" a line: each call with its county, as old as any contact; a list of
// known callsigns, one a line; or nothing, when the lines are neither.
std::optional<PastLogFile> parseList(PastLogFile file, const QStringList& lines) {
    const QList<std::pair<int, QString>> entries = listLines(lines);
    if (entries.isEmpty())
        return std::nullopt;
    const bool history = entries.first().second.contains(u',');
    for (const auto& [number, line] : entries) {
        const QString call = line.section(u',', 0, 0).trimmed();
        if (line.contains(u',') != history || !looksLikeCall(call)) {
            // A call history names its bad line; text that is not a list of calls is no list.
            if (!history)
                return std::nullopt;
            file.heard.clear();
            file.refusal = lineRefusal(number);
            return file;
        }
        if (history)
            file.heard << HeardStation{call, line.section(u',', 1, 1).trimmed(), QString()};
        else
            file.known << call;
    }
    return file;
}

} // namespace

namespace PastLog {

QString decode(const QByteArray& bytes) {
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes);
        marked && *marked != QStringConverter::Utf8)
        return QStringDecoder(*marked)(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp1250::decode(bytes) : text;
}

PastLogFile parse(const QString& name, const QByteArray& bytes) {
    PastLogFile file;
    file.name = name;
    const QString text = decode(bytes);
    // ADIF lengths count the bytes of a UTF-8 or single-byte text: a UTF-16 one is read as UTF-8.
    const bool wide = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8) !=
                      QStringConverter::Utf8;
    const QStringList lines = text.split(u'\n');
    const auto first = std::find_if(lines.cbegin(), lines.cend(),
                                    [](const QString& l) { return !l.trimmed().isEmpty(); });
    if (first != lines.cend() &&
        first->trimmed().startsWith(QLatin1String("START-OF-LOG:"), Qt::CaseInsensitive))
        return parseCabrillo(std::move(file), lines);
    if (text.contains(QLatin1String("<EOR>"), Qt::CaseInsensitive))
        return parseAdif(std::move(file), wide ? text.toUtf8() : bytes);
    if (std::optional<PastLogFile> list = parseList(file, lines))
        return *list;
    file.refusal = QStringLiteral(
        "nu este un log Cabrillo sau ADIF, un istoric de indicative sau o lista de indicative");
    return file;
}

PastLogFile read(const QString& path) {
    PastLogFile file;
    const QFileInfo info(path);
    file.name = info.fileName();
    // Looked at before it is opened: a pipe would never end, a device never stop giving bytes.
    if (info.exists() && !info.isFile()) {
        file.refusal = info.isDir() ? QStringLiteral("este un folder, nu un fisier")
                                    : QStringLiteral("nu este un fisier obisnuit (este un canal, "
                                                     "un socket sau un dispozitiv)");
        return file;
    }
    const auto tooLarge = [&file] {
        file.refusal = QStringLiteral("are peste %1 MB, nu este un log").arg(kMaxBytes >> 20);
        return file;
    };
    if (info.size() > kMaxBytes)
        return tooLarge();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        file.refusal =
            QStringLiteral("nu poate fi deschis (%1)").arg(ErrorReason::ofFile(f, false));
        return file;
    }
    const QByteArray bytes = f.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes)
        return tooLarge();
    return parse(file.name, bytes);
}

} // namespace PastLog
