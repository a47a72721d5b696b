#pragma once

#include "setup/SettingsRecord.h"

#include <QString>

// The two settings files in the program's folder: station data and keyer data.
namespace SettingsFiles {
inline const QString kInitFile = QStringLiteral("\\VELTInit.dat");
inline const QString kTextCwFile = QStringLiteral("\\VELTTextCw.dat");

/// The file `literal` (which starts with a backslash) in `folder`.
QString pathIn(const QString& folder, const QString& literal);

/// Reads VELTInit.dat; stops at the first missing or malformed line, keeping what was read.
bool CitInit(const QString& appPath, SettingsRecord& rec);
/// Reads VELTTextCw.dat with the same rule.
bool CitTextCw(const QString& appPath, SettingsRecord& rec);
/// Writes VELTInit.dat whole; the old file is replaced only once the new one is complete.
bool ScrieInit(const QString& appPath, const SettingsRecord& rec);
/// Writes VELTTextCw.dat whole, with the same rule.
bool ScrieTextCw(const QString& appPath, const SettingsRecord& rec);
/// The data folder: the program folder with a bracketed part (up to the last "]") removed.
QString CalcDataPath(const QString& appPath);

/// An integer as the files hold it: sign position, digits, one blank after.
QString formatInteger(int value);
/// The bytes of a settings file holding `lines`: Windows-1250, CRLF after every line.
QByteArray encodeLines(const QStringList& lines);
/// The lines of a settings file's bytes.
QStringList decodeLines(const QByteArray& bytes);
} // namespace SettingsFiles
