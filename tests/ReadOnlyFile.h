#pragma once

#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

// Makes one file unwritable for this process while the object lives: by its permissions, or, for
// root (whom permissions do not stop), by a read-only bind mount of the file onto itself.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : m_path(QFile::encodeName(path)) {
        if (geteuid() != 0) {
            m_done = QFile::setPermissions(path, QFile::ReadOwner);
            return;
        }
        m_mounted = ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
        m_done = m_mounted && ::mount(nullptr, m_path.constData(), nullptr,
                                      MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFile() {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    /// False when the file could not be made read-only.
    bool done() const { return m_done; }
    const char* method() const {
        return m_mounted ? "a read-only bind mount" : "the file's permissions";
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
    bool m_done = false;
};
