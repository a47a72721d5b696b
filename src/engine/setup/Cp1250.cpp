#include "setup/Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
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
} // namespace

namespace Cp1250 {

QString withCedillas(QString text) {
    for (QChar& ch : text) {
        switch (ch.unicode()) {
        case 0x0218: // Ș
            ch = QChar(0x015E);
            break;
        case 0x0219: // ș
            ch = QChar(0x015F);
            break;
        case 0x021A: // Ț
            ch = QChar(0x0162);
            break;
        case 0x021B: // ț
            ch = QChar(0x0163);
            break;
        default:
            break;
        }
    }
    return text;
}

QString unwritable(const QString& text) {
    const std::bitset<0x10000>& writable = writableChars();
    QString refused;
    for (const QChar ch : withCedillas(text))
        if (!writable.test(ch.unicode()) && !refused.contains(ch))
            refused += ch;
    return refused;
}

QString refusal(const QString& where, const QString& chars) {
    return QStringLiteral("%1 contine caractere care nu pot fi scrise in fisier (Windows-1250): "
                          "\"%2\". Inlocuiti-le si incercati din nou; nimic nu a fost scris.")
        .arg(where, chars);
}

QByteArray encode(const QString& text) {
    QStringEncoder enc(kCodePage);
    return enc.encode(withCedillas(text));
}

QString decode(const QByteArray& bytes) {
    QStringDecoder dec(kCodePage);
    return dec.decode(bytes);
}

} // namespace Cp1250
