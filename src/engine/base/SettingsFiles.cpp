#include "base/SettingsFiles.h"

#include "base/Cp1250.h"
#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>

namespace SettingsFiles {

namespace {

// Notepad saves "Unicode" as UTF-16: with its byte order mark, or (other editors) without, when
// every other byte of Latin text is NUL.
bool isUtf16(const QByteArray& bytes) {
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff"))
        return true;
    const QByteArray head = bytes.left(512);
    std::array<qsizetype, 2> nuls{};
    for (qsizetype i = 0; i < head.size(); ++i)
        nuls[static_cast<size_t>(i % 2)] += head.at(i) == '\0';
    const qsizetype most = std::max(nuls[0], nuls[1]);
    return most > 0 && most * 4 >= head.size();
}

QString utf16Refusal(const QString& path) {
    return QStringLiteral("Fisierul %1 este salvat ca UTF-16 (Unicode): programul nu il citeste "
                          "si nu il inlocuieste. Deschideti-l in Notepad si salvati-l ca text "
                          "ANSI (Windows-1250): File, Save As, Encoding: ANSI.")
        .arg(QDir::toNativeSeparators(path));
}

// The lines of the file (none when it is missing); a UTF-8 byte order mark is no part of them.
Outcome<QStringList> readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringList();
    QByteArray bytes = f.readAll();
    if (isUtf16(bytes))
        return Failure{utf16Refusal(path)};
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes.remove(0, 3);
    return decodeLines(bytes);
}

Outcome<void> writeLines(const QString& path, const QStringList& lines) {
    // What the operator must still convert is never replaced.
    if (QFile old(path); old.open(QIODevice::ReadOnly) && isUtf16(old.read(512)))
        return Failure{utf16Refusal(path)};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("din randul %1 al fisierului %2")
                                  .arg(i + 1)
                                  .arg(QFileInfo(path).fileName());
        if (const QString tooLong = textTooLong(where, lines[i]); !tooLong.isEmpty())
            return Failure{tooLong};
    }
    const QString refused = Cp1250::unwritable(lines.join(QString()));
    if (!refused.isEmpty())
        return Failure{
            Cp1250::refusal(QStringLiteral("Fisierul ") + QFileInfo(path).fileName(), refused)};
    return SafeFile::write(path, encodeLines(lines));
}

QString skipLeadingBlanks(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && (s.at(i) == u' ' || s.at(i) == u'\t'))
        ++i;
    return s.mid(i);
}

std::optional<int> parseInteger(const QString& line) {
    bool ok = false;
    const int v = line.trimmed().toInt(&ok);
    if (!ok || v < -32768 || v > 32767)
        return std::nullopt;
    return v;
}

// Walks the file's lines in order; a missing or malformed line stops the walk.
class LineReader {
public:
    explicit LineReader(QStringList lines) : m_lines(std::move(lines)) {}
    bool text(QString& out) {
        if (!m_ok || m_next >= m_lines.size())
            return m_ok = false;
        out = skipLeadingBlanks(m_lines.at(m_next++));
        return true;
    }
    // A malformed number keeps its old value, and the lines after it are still read: stopping
    // there would empty everything below it at the next write.
    bool integer(int& out) {
        QString s;
        if (!text(s))
            return false;
        const auto v = parseInteger(s);
        if (v)
            out = *v;
        else
            m_damaged = true;
        return true;
    }
    bool offset(UtcOffset& out) {
        QString s;
        if (!text(s))
            return false;
        s = s.trimmed();
        bool isNumber = false;
        s.toDouble(&isNumber);
        out = {s, isNumber};
        return true;
    }
    bool ok() const { return m_ok && !m_damaged; }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
    bool m_ok = true;
    bool m_damaged = false;
};

QString offsetLine(const UtcOffset& o) {
    if (!o.numeric)
        return o.text;
    bool isInt = false;
    const int v = o.text.toInt(&isInt);
    if (isInt)
        return formatInteger(v);
    const QString t = o.text.trimmed();
    return (t.startsWith(u'-') ? QString() : QStringLiteral(" ")) + t + QStringLiteral(" ");
}
} // namespace

QString formatInteger(int value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) +
           QStringLiteral(" ");
}

QByteArray encodeLines(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    return Cp1250::encode(text); // one pass: large logs encode in one call
}

QStringList decodeLines(const QByteArray& bytes) {
    QString text = Cp1250::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the terminator of the last line
    return lines;
}

Outcome<bool> readInitFile(const QString& dataFolder, SettingsRecord& rec) {
    const Outcome<QStringList> lines = readLines(QDir(dataFolder).filePath(kInitFile));
    if (!lines)
        return Failure{lines.error()};
    LineReader r(*lines);
    r.text(rec.myCall) && r.offset(rec.utcOffset) && r.text(rec.myCounty) && r.text(rec.section) &&
        r.text(rec.operators) && r.integer(rec.operatorCount) && r.text(rec.qth) &&
        r.text(rec.address) && r.text(rec.transmitter) && r.text(rec.receiver) &&
        r.text(rec.antennas[0]) && r.text(rec.antennas[1]) && r.text(rec.antennas[2]) &&
        r.text(rec.antennas[3]) && r.text(rec.club);
    return r.ok();
}

Outcome<bool> readTextCwFile(const QString& dataFolder, SettingsRecord& rec) {
    const Outcome<QStringList> lines = readLines(QDir(dataFolder).filePath(kTextCwFile));
    if (!lines)
        return Failure{lines.error()};
    LineReader r(*lines);
    for (QString& t : rec.cwTexts)
        if (!r.text(t))
            return false;
    return r.integer(rec.comPort) && r.ok();
}

Outcome<void> writeInitFile(const QString& dataFolder, const SettingsRecord& rec) {
    return writeLines(QDir(dataFolder).filePath(kInitFile),
                      {rec.myCall, offsetLine(rec.utcOffset), rec.myCounty, rec.section,
                       rec.operators, formatInteger(rec.operatorCount), rec.qth, rec.address,
                       rec.transmitter, rec.receiver, rec.antennas[0], rec.antennas[1],
                       rec.antennas[2], rec.antennas[3], rec.club});
}

Outcome<void> writeTextCwFile(const QString& dataFolder, const SettingsRecord& rec) {
    QStringList lines(rec.cwTexts.begin(), rec.cwTexts.end());
    lines << formatInteger(rec.comPort);
    return writeLines(QDir(dataFolder).filePath(kTextCwFile), lines);
}

QString textTooLong(const QString& name, const QString& text) {
    if (text.size() <= kMaxTextLength)
        return {};
    return QStringLiteral("Textul %1 are %2 de caractere, dar cel mult %3 pot fi pastrate in "
                          "fisier. Scurtati-l; nimic nu a fost scris.")
        .arg(name)
        .arg(text.size())
        .arg(kMaxTextLength);
}

} // namespace SettingsFiles
