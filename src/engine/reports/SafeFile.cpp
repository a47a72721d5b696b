#include "reports/SafeFile.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// The written bytes on the disk itself: a full disk may only show here.
bool syncToDisk(QSaveFile& f) {
#ifdef Q_OS_WIN
    return f.handle() < 0 || _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("FISIERUL ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" NU A PUTUT FI SCRIS (DISC PLIN SAU FARA DREPT DE SCRIERE): ") + reason +
           QStringLiteral(". FISIERUL ANTERIOR A RAMAS NESCHIMBAT.");
}
} // namespace

namespace SafeFile {

QString write(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return failure(path, f.errorString());
    // commit() alone can report success after its buffered write failed, so every step is
    // checked before the old file is replaced.
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        return failure(path, reason);
    }
    if (!syncToDisk(f)) {
        const QString reason = qt_error_string(errno);
        f.cancelWriting();
        return failure(path, reason);
    }
    if (!f.commit())
        return failure(path, f.errorString());
    return {};
}

} // namespace SafeFile
