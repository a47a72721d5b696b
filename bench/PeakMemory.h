#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The most memory the benchmark's process has held so far, in MB (the kernel's VmHWM).
inline double peakRssMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}
