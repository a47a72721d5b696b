#pragma once

#include <QByteArray>
#include <QDate>
#include <QSet>
#include <QString>

// A strict ADIF 3.1 reader for the fields the archive writes: every data specifier well formed,
// every length exact, every value of its field's type, nothing but line ends between fields.
class AdifChecker {
public:
    /// An empty text when `file` is valid, otherwise what is wrong and where.
    static QString check(const QByteArray& file) {
        for (const char c : file)
            if (!(c == '\r' || c == '\n' || (c >= 32 && c <= 126)))
                return QStringLiteral("byte outside printable ASCII");
        qsizetype i = 0;
        QSet<QString> record;
        while (i < file.size()) {
            if (file[i] == '\r' || file[i] == '\n') {
                ++i;
                continue;
            }
            if (file[i] != '<')
                return QStringLiteral("text outside a field at %1").arg(i);
            const qsizetype close = file.indexOf('>', i);
            if (close < 0)
                return QStringLiteral("unterminated tag at %1").arg(i);
            const QString specifier = QString::fromLatin1(file.mid(i + 1, close - i - 1));
            i = close + 1;
            if (specifier.compare(QLatin1String("EOR"), Qt::CaseInsensitive) == 0) {
                for (const char* needed : {"CALL", "QSO_DATE", "TIME_ON", "MODE", "BAND"})
                    if (!record.contains(QLatin1String(needed)))
                        return QStringLiteral("record without %1").arg(QLatin1String(needed));
                record.clear();
                continue;
            }
            const QStringList parts = specifier.split(u':');
            bool ok = false;
            const int length = parts.value(1).toInt(&ok);
            if (parts.size() != 2 || !ok || length < 0 || parts[1].startsWith(u'+'))
                return QStringLiteral("bad data specifier <%1>").arg(specifier);
            if (i + length > file.size())
                return QStringLiteral("value of <%1> runs past the end").arg(specifier);
            const QString name = parts[0].toUpper();
            const QString value = QString::fromLatin1(file.mid(i, length));
            i += length;
            if (record.contains(name))
                return QStringLiteral("%1 twice in a record").arg(name);
            record.insert(name);
            const QString why = checkValue(name, value);
            if (!why.isEmpty())
                return QStringLiteral("%1 \"%2\": %3").arg(name, value, why);
        }
        return record.isEmpty() ? QString() : QStringLiteral("last record without <EOR>");
    }

private:
    static bool digits(const QString& v) {
        if (v.isEmpty())
            return false;
        for (const QChar c : v)
            if (c < u'0' || c > u'9')
                return false;
        return true;
    }

    static QString checkValue(const QString& name, const QString& v) {
        if (name == QLatin1String("QSO_DATE")) {
            const QDate d = QDate::fromString(v, QStringLiteral("yyyyMMdd"));
            return v.size() == 8 && digits(v) && d.isValid() && d.year() >= 1930
                       ? QString()
                       : QStringLiteral("not a Date");
        }
        if (name == QLatin1String("TIME_ON")) {
            const bool ok = (v.size() == 4 || v.size() == 6) && digits(v) &&
                            v.left(2).toInt() < 24 && v.mid(2, 2).toInt() < 60 &&
                            (v.size() == 4 || v.mid(4, 2).toInt() < 60);
            return ok ? QString() : QStringLiteral("not a Time");
        }
        if (name == QLatin1String("MODE"))
            return QSet<QString>{"AM", "CW", "FM", "SSB", "RTTY", "PSK"}.contains(v)
                       ? QString()
                       : QStringLiteral("not a Mode");
        if (name == QLatin1String("BAND"))
            return QSet<QString>{"160m", "80m", "60m", "40m", "30m", "20m",
                                 "17m",  "15m", "12m", "10m", "6m",  "2m"}
                           .contains(v)
                       ? QString()
                       : QStringLiteral("not a Band");
        if (name == QLatin1String("STX") || name == QLatin1String("SRX"))
            return digits(v) ? QString() : QStringLiteral("not a non-negative Integer");
        const QSet<QString> strings{"CALL",    "RST_SENT",   "RST_RCVD",
                                    "COMMENT", "STX_STRING", "SRX_STRING"};
        if (!strings.contains(name))
            return QStringLiteral("field not written by the archive");
        return v.isEmpty() ? QStringLiteral("empty String") : QString();
    }
};
