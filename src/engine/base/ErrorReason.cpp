#include "base/ErrorReason.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSqlError>
#include <cerrno>
#include <sqlite3.h>

namespace ErrorReason {

QString ofErrno(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("discul este plin");
    case ENOENT:
        return QStringLiteral("fisierul sau folderul nu exista");
    case EISDIR:
        return QStringLiteral("este un folder");
    case ENOTDIR:
        return QStringLiteral("o parte a caii nu este un folder");
    case EACCES:
    case EPERM:
        return QStringLiteral("lipseste dreptul de acces");
    case EROFS:
        return QStringLiteral("discul este numai pentru citire");
    case EIO:
        return QStringLiteral("eroare de citire sau de scriere pe disc");
    default:
        return QStringLiteral("eroare de sistem %1").arg(error);
    }
}

QString ofFile(const QFileDevice& file, bool writing) {
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return ofErrno(ENOSPC);
    case QFileDevice::ReadError:
        return QStringLiteral("citirea de pe disc a esuat");
    case QFileDevice::WriteError:
        return QStringLiteral("scrierea pe disc a esuat");
    default:
        break;
    }
    const QFileInfo info(file.fileName());
    const QFileInfo folder(info.absolutePath());
    if (info.isDir())
        return ofErrno(EISDIR);
    if (!folder.isDir())
        return QStringLiteral("folderul %1 nu exista")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!info.exists())
        return writing && !folder.isWritable() ? QStringLiteral("folderul nu permite scrierea")
                                               : QStringLiteral("fisierul nu exista");
    if (!(writing ? info.isWritable() : info.isReadable()))
        return ofErrno(EACCES);
    return QStringLiteral("fisierul nu poate fi deschis");
}

QString ofSql(const QSqlError& error) {
    bool numbered = false;
    const int code = error.nativeErrorCode().toInt(&numbered);
    if (numbered)
        return ofSqliteCode(code);
    return error.type() == QSqlError::ConnectionError
               ? QStringLiteral("baza de date nu poate fi deschisa")
               : QStringLiteral("comanda nu a putut fi executata in baza de date");
}

} // namespace ErrorReason

QString ErrorReason::ofSqliteCode(int code) {
    switch (code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("fisierul este deteriorat");
    case SQLITE_CANTOPEN:
        return QStringLiteral("fisierul nu exista sau nu poate fi deschis");
    case SQLITE_READONLY:
        return QStringLiteral("fisierul sau folderul este numai pentru citire");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("lipseste dreptul de acces");
    case SQLITE_FULL:
        return QStringLiteral("discul este plin");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("fisierul este folosit de alt program");
    case SQLITE_IOERR:
        return QStringLiteral("eroare de citire sau de scriere pe disc");
    case SQLITE_NOMEM:
        return QStringLiteral("memorie insuficienta");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("valoarea exista deja in tabela");
    case SQLITE_ERROR:
        return QStringLiteral("baza de date nu are structura pe care o cere programul");
    default:
        return QStringLiteral("eroare SQLite %1").arg(code);
    }
}
