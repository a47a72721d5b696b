#pragma once

#include "Outcome.h"

#include "setup/SettingsRecord.h"

#include <QString>

// The two settings files in the program's folder: station data and keyer data.
namespace SettingsFiles {
inline const QString kInitFile = QStringLiteral("\\VELTInit.dat");
inline const QString kTextCwFile = QStringLiteral("\\VELTTextCw.dat");

/// The file `literal` (which starts with a backslash) in `folder`.
QString pathIn(const QString& folder, const QString& literal);

/// Reads VELTInit.dat; stops at the first missing line, keeping what was read. A malformed number
/// keeps its old value and the lines after it are read; the result is then false.
bool readInitFile(const QString& appPath, SettingsRecord& rec);
/// Reads VELTTextCw.dat with the same rule.
bool readTextCwFile(const QString& appPath, SettingsRecord& rec);
/// Writes VELTInit.dat whole; the old file is replaced only once the new one is complete. When
/// nothing was written, the message to show.
[[nodiscard]] Outcome<void> writeInitFile(const QString& appPath, const SettingsRecord& rec);
/// Writes VELTTextCw.dat whole, with the same rule.
[[nodiscard]] Outcome<void> writeTextCwFile(const QString& appPath, const SettingsRecord& rec);
/// VELT.ini in `folder`: the settings the two old files have no place for, kept by group.
QString keptSettingsPath(const QString& folder);
/// The data folder: the program folder with a bracketed part (up to the last "]") removed.
QString dataPathFor(const QString& appPath);

/// An integer as the files hold it: sign position, digits, one blank after.
QString formatInteger(int value);
/// The bytes of a text file holding `lines`: Windows-1250 (Ș ș Ț ț with cedilla), CRLF after
/// every line. The lines must hold no character Cp1250::unwritable names.
QByteArray encodeLines(const QStringList& lines);
/// The lines of a settings file's bytes.
QStringList decodeLines(const QByteArray& bytes);
} // namespace SettingsFiles
