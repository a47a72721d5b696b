#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

// A folder on a file system of its own: a size-limited tmpfs, mounted when the tests run as root
// (CI does), that can be filled to the last byte. It is unmounted when the object goes, whatever
// the test's outcome.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes) {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                            MS_NOSUID | MS_NODEV, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    /// Writes a filler file until the disk is full.
    void fill() const {
        QFile f(file(QStringLiteral("filler")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray chunk(4096, 'x');
        while (f.write(chunk) > 0) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
