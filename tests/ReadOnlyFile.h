#pragma once

#include <QFile>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

// Makes one file unwritable for this process while the object lives. Root is not stopped by
// permissions: it gets a read-only bind mount of the file onto itself, or, where it may not mount,
// the file's permissions with the capability to override them dropped from this thread.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : m_path(QFile::encodeName(path)) {
        if (geteuid() == 0) {
            m_mounted =
                ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
            m_done = m_mounted && ::mount(nullptr, m_path.constData(), nullptr,
                                          MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
            if (m_mounted)
                return;
            m_dropped = setOverride(false);
        }
        m_done = QFile::setPermissions(path, QFile::ReadOwner) && (geteuid() != 0 || m_dropped);
    }
    ~ReadOnlyFile() {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
        if (m_dropped)
            setOverride(true);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    /// False when the file could not be made read-only.
    bool done() const { return m_done; }
    const char* method() const {
        if (m_mounted)
            return "a read-only bind mount";
        return m_dropped ? "its permissions, without root's override" : "its permissions";
    }

private:
    // Raises or lowers CAP_DAC_OVERRIDE in the effective set (it stays permitted).
    static bool setOverride(bool on) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (::syscall(SYS_capget, &header, data) != 0)
            return false;
        const __u32 bit = 1u << CAP_DAC_OVERRIDE;
        data[0].effective = on ? data[0].effective | bit : data[0].effective & ~bit;
        return ::syscall(SYS_capset, &header, data) == 0;
    }

    QByteArray m_path;
    bool m_mounted = false;
    bool m_dropped = false;
    bool m_done = false;
};
