#include "base/SafeFile.h"

#include "base/ErrorReason.h"

#include <QDir>
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
} // namespace

SafeFile::SafeFile(const QString& path) : m_path(path), m_file(path) {}

Failure SafeFile::fail(const QString& reason) {
    m_file.cancelWriting();
    m_error = QStringLiteral("FISIERUL ") + QDir::toNativeSeparators(m_path) +
              QStringLiteral(" NU A PUTUT FI SCRIS (DISC PLIN SAU FARA DREPT DE SCRIERE): ") +
              reason + QStringLiteral(". FISIERUL ANTERIOR A RAMAS NESCHIMBAT.");
    return Failure{m_error};
}

Outcome<void> SafeFile::open() {
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(ErrorReason::ofFile(m_file, true));
    return {};
}

Outcome<void> SafeFile::append(const QByteArray& bytes) {
    if (!m_error.isEmpty())
        return Failure{m_error};
    if (m_file.write(bytes) != bytes.size())
        return fail(ErrorReason::ofFile(m_file, true));
    return {};
}

Outcome<void> SafeFile::commit() {
    if (!m_error.isEmpty())
        return Failure{m_error};
    // commit() alone can report success after its buffered write failed, so every step is
    // checked before the old file is replaced.
    if (!m_file.flush())
        return fail(ErrorReason::ofFile(m_file, true));
    if (!syncToDisk(m_file))
        return fail(ErrorReason::ofErrno(errno));
    if (!m_file.commit())
        return fail(ErrorReason::ofFile(m_file, true));
    return {};
}

Outcome<void> SafeFile::write(const QString& path, const QByteArray& bytes) {
    SafeFile f(path);
    Outcome<void> written = f.open();
    if (written)
        written = f.append(bytes);
    if (written)
        written = f.commit();
    return written;
}
