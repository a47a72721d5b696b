#pragma once

#include <QByteArray>
#include <QString>

// The one writer of every output file: the bytes go to a temporary file beside it, are checked to
// have reached the disk, and only then replace the old file, so a failed write (a full disk) never
// leaves a half file or destroys the previous one.
namespace SafeFile {
/// Writes `bytes` as the file `path`; an empty text on success, otherwise the message to show.
QString write(const QString& path, const QByteArray& bytes);
} // namespace SafeFile
