#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of every text file the program writes. It has no comma-below
// letters: the Romanian files of that code page have always used the cedilla letters instead.
namespace Cp1250 {
/// `text` with Ș ș Ț ț replaced by Ş ş Ţ ţ.
QString withCedillas(QString text);
/// The characters of `text` (after withCedillas) the code page cannot hold, each once.
QString unwritable(const QString& text);
/// The operator's message refusing `chars` in `where` (a box or a file name).
QString refusal(const QString& where, const QString& chars);
/// The bytes of `text`; it must hold no unwritable character.
QByteArray encode(const QString& text);
/// The text of Windows-1250 bytes.
QString decode(const QByteArray& bytes);
} // namespace Cp1250
