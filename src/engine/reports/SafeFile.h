#pragma once

#include <QByteArray>
#include <QString>

// Every output file is written to a temporary file beside it and renamed over the old one only
// once it is complete, so a failed write never leaves a half file or destroys the previous one.
namespace SafeFile {
/// Writes `bytes` as the file `path`; an empty text on success, otherwise the message to show.
QString write(const QString& path, const QByteArray& bytes);
} // namespace SafeFile
