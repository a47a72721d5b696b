#pragma once

#include "base/Outcome.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// The one writer of every output file: the bytes go to a temporary file beside it, are checked to
// have reached the disk, and only then replace the old file, so a failed write (a full disk) or an
// abandoned one (a cancelled export) never leaves a half file or destroys the previous one.
class SafeFile {
public:
    /// The file `path`; nothing is written before open(). Destroyed before commit(), it leaves no
    /// file and the old one as it was.
    explicit SafeFile(const QString& path);

    /// Starts the temporary file; when it cannot be made, why, as the operator is told.
    [[nodiscard]] Outcome<void> open();
    /// Adds `bytes` to the temporary file; a failure ends the writing.
    [[nodiscard]] Outcome<void> append(const QByteArray& bytes);
    /// The temporary file, for a writer that takes a device (a PDF); its write errors show at
    /// commit().
    QIODevice* device() { return &m_file; }
    /// Checks that every byte reached the disk, then replaces the old file; after any failure
    /// the old file stays.
    [[nodiscard]] Outcome<void> commit();

    /// Writes `bytes` as the file `path`; when it failed, the message to show.
    [[nodiscard]] static Outcome<void> write(const QString& path, const QByteArray& bytes);

private:
    Failure fail(const QString& reason);

    QString m_path;
    QSaveFile m_file;
    QString m_error;
};
