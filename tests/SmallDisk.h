#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

// A folder on a file system of its own: a size-limited tmpfs, mounted when the tests run as root
// (CI does), that can be filled to the last byte. It is unmounted when the object goes, whatever
// the test's outcome; one left by a test that was killed is unmounted by the next one.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes) : m_dir(folderOf(getpid()) + QStringLiteral("-XXXXXX")) {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        unmountLeftovers();
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

    /// The start of the folder names of process `pid`: a leftover names the process that made it.
    static QString folderOf(pid_t pid) { return prefix() + QString::number(pid); }

private:
    static QString prefix() { return QDir::tempPath() + QStringLiteral("/velt-small-disk-"); }

    /// Unmounts and removes the small disks of test processes that are gone (a test killed at its
    /// time limit runs no destructor); those of running tests stay.
    static void unmountLeftovers() {
        QFile mounts(QStringLiteral("/proc/self/mountinfo"));
        if (!mounts.open(QIODevice::ReadOnly))
            return;
        const QByteArray start = QFile::encodeName(prefix());
        for (const QByteArray& line : mounts.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 5 || !fields[4].startsWith(start))
                continue;
            bool isNumber = false;
            const pid_t owner = fields[4].mid(start.size()).split('-').value(0).toInt(&isNumber);
            if (!isNumber || ::kill(owner, 0) == 0 || errno != ESRCH)
                continue;
            if (::umount2(fields[4].constData(), MNT_DETACH) == 0)
                QDir(QFile::decodeName(fields[4])).removeRecursively();
        }
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};
