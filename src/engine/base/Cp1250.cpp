#include "base/Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <bitset>

namespace {
const char* const kCodePage = "windows-1250";

// The 16-bit characters the code page holds, found by decoding each of its bytes once.
const std::bitset<0x10000>& writableChars() {
    static const std::bitset<0x10000> chars = [] {
        std::bitset<0x10000> set;
        QStringDecoder dec(kCodePage);
        for (int b = 0; b < 256; ++b) {
            const QString ch = dec.decode(QByteArray(1, char(b)));
            if (ch.size() == 1 && ch.at(0) != QChar::ReplacementCharacter)
                set.set(ch.at(0).unicode());
        }
        return set;
    }();
    return chars;
}

// Ș ș Ț ț (U+0218..U+021B) as Ş ş (U+015E, U+015F) and Ţ ţ (U+0162, U+0163).
char16_t withCedilla(char16_t ch) {
    switch (ch) {
    case 0x0218:
        return 0x015E;
    case 0x0219:
        return 0x015F;
    case 0x021A:
        return 0x0162;
    case 0x021B:
        return 0x0163;
    default:
        return ch;
    }
}
} // namespace

namespace Cp1250 {

QString withCedillas(QString text) {
    // Most texts hold none: they are returned shared, not copied.
    const auto commaBelow = [](QChar ch) { return withCedilla(ch.unicode()) != ch.unicode(); };
    if (std::none_of(text.cbegin(), text.cend(), commaBelow))
        return text;
    for (QChar& ch : text)
        ch = QChar(withCedilla(ch.unicode()));
    return text;
}

QString unwritable(const QString& text) {
    const std::bitset<0x10000>& writable = writableChars();
    QString refused;
    for (const QChar ch : text) {
        const QChar c(withCedilla(ch.unicode()));
        if (c.unicode() >= 0x80 && !writable.test(c.unicode()) && !refused.contains(c))
            refused += c;
    }
    return refused;
}

QString refusal(const QString& where, const QString& chars) {
    return QStringLiteral("%1 contine caractere care nu pot fi scrise in fisier (Windows-1250): "
                          "\"%2\". Inlocuiti-le si incercati din nou; nimic nu a fost scris.")
        .arg(where, chars);
}

QByteArray encode(const QString& text) {
    // ASCII, as nearly every file is, is the same bytes in the code page.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x80; }))
        return text.toLatin1();
    QStringEncoder enc(kCodePage);
    return enc.encode(withCedillas(text));
}

QString decode(const QByteArray& bytes) {
    QStringDecoder dec(kCodePage);
    return dec.decode(bytes);
}

} // namespace Cp1250
