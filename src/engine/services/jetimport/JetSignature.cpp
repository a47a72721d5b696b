#include "services/jetimport/JetSignature.h"

#include <QFile>

namespace JetSignature {

int pageSize(const QByteArray& head) {
    if (head.size() < kHeadSize || !head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")))
        return 0;
    const QByteArray name = head.mid(4, 16);
    if (name != QByteArrayLiteral("Standard Jet DB\0") &&
        name != QByteArrayLiteral("Standard ACE DB\0"))
        return 0;
    // Version byte: 0 is Jet 3 with 2 KB pages, everything later uses 4 KB pages.
    return head.at(20) == 0 ? 2048 : 4096;
}

bool matches(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && pageSize(f.read(kHeadSize)) > 0;
}

} // namespace JetSignature
