#include "reports/SafeFile.h"

#include <QDir>
#include <QSaveFile>

namespace SafeFile {

QString write(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit())
        return {};
    return QStringLiteral("FISIERUL ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" NU A PUTUT FI SCRIS: ") + f.errorString();
}

} // namespace SafeFile
