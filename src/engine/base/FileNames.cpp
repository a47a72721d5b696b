#include "base/FileNames.h"

#include "base/ErrorReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_WIN
// Without MOVEFILE_REPLACE_EXISTING the move fails on a taken name.
int moveNoReplace(const QString& from, const QString& to) {
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_WRITE_THROUGH))
        return 0;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? EEXIST : EIO;
}

bool syncFolder(const QString&) {
    return true; // MOVEFILE_WRITE_THROUGH already waited for the disk
}
#else
// A plain rename() silently replaces a file that took the name meanwhile; these never do.
int moveNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return 0;
    if (errno != EINVAL) // some file systems know no renameat2: a hard link does the same
        return errno;
#endif
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    // FAT knows no hard links: a look first, then a plain rename.
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    if (QFileInfo::exists(to))
        return EEXIST;
    return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}

bool syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
#endif
} // namespace

namespace FileNames {

Outcome<bool> renameIfFree(const QString& from, const QString& to) {
    const int error = moveNoReplace(from, to);
    if (error == EEXIST)
        return false;
    if (error != 0)
        return Failure{QStringLiteral("fisierul nu a putut fi redenumit: ") +
                       ErrorReason::ofErrno(error)};
    if (!syncFolder(QFileInfo(to).absolutePath()))
        return Failure{QStringLiteral("folderul nu a putut fi scris pe disc: ") +
                       ErrorReason::ofErrno(errno)};
    return true;
}

} // namespace FileNames
