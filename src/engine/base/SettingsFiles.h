#pragma once

#include "base/Outcome.h"

#include "base/SettingsRecord.h"

#include <QString>

// The two settings files in the program's folder: station data and keyer data.
namespace SettingsFiles {
inline const QString kInitFile = QStringLiteral("VELTInit.dat");
inline const QString kTextCwFile = QStringLiteral("VELTTextCw.dat");

/// The longest text a line of the files may hold: the programs that read them cut longer ones.
inline constexpr qsizetype kMaxTextLength = 32767;

/// Reads VELTInit.dat; stops at the first missing line, keeping what was read. A malformed number
/// keeps its old value and the lines after it are read; the result is then false. A UTF-8 byte
/// order mark is skipped; a UTF-16 file is refused whole, with the message to show.
[[nodiscard]] Outcome<bool> readInitFile(const QString& dataFolder, SettingsRecord& rec);
/// Reads VELTTextCw.dat with the same rules.
[[nodiscard]] Outcome<bool> readTextCwFile(const QString& dataFolder, SettingsRecord& rec);
/// Writes VELTInit.dat whole; the old file is replaced only once the new one is complete. When
/// nothing was written, the message to show. A UTF-16 file stays as it is; a text longer than
/// kMaxTextLength is refused, never cut.
[[nodiscard]] Outcome<void> writeInitFile(const QString& dataFolder, const SettingsRecord& rec);
/// Writes VELTTextCw.dat whole, with the same rules.
[[nodiscard]] Outcome<void> writeTextCwFile(const QString& dataFolder, const SettingsRecord& rec);
/// The message refusing the text `name` ("F1") when it is longer than kMaxTextLength; empty when
/// it fits.
QString textTooLong(const QString& name, const QString& text);

/// An integer as the files hold it: sign position, digits, one blank after.
QString formatInteger(int value);
/// The bytes of a text file holding `lines`: Windows-1250 (Ș ș Ț ț with cedilla), CRLF after
/// every line. The lines must hold no character Cp1250::unwritable names.
QByteArray encodeLines(const QStringList& lines);
/// The lines of a settings file's bytes.
QStringList decodeLines(const QByteArray& bytes);
} // namespace SettingsFiles
