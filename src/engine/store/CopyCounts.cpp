#include "store/CopyCounts.h"

#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

const QString CopyCounts::kFileName = QStringLiteral("copy-counts.txt");

namespace {
// A copy put back over another of the same name, size and time is taken for the same copy; the
// time is kept to the millisecond.
// The time is read as the file system keeps it: turning it into a QDateTime costs more than
// the rest of a listing of thousands of copies.
QString keyOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QFileInfo(path).fileName() + u'\t' + QString::number(st.st_size) + u'\t' +
           QString::number(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
}

std::optional<QList<int>> read(const QString& path, BackupRestore::Kind kind) {
    if (kind == BackupRestore::Kind::Callsigns) {
        const auto n = BackupRestore::rowCount(path, QStringLiteral("CallJud"));
        return n ? std::optional<QList<int>>(QList<int>{*n}) : std::nullopt;
    }
    const auto counts = BackupRestore::stageCounts(path);
    return counts ? std::optional<QList<int>>(QList<int>(counts->begin(), counts->end()))
                  : std::nullopt;
}
} // namespace

CopyCounts::CopyCounts(const QString& folder) : m_file(QDir(folder).filePath(kFileName)) {
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
        if (fields.size() != 4)
            continue;
        QList<int> counts;
        for (const QString& text : fields[3].split(u',')) {
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok || n < 0) {
                counts.clear();
                break;
            }
            counts << n;
        }
        if (!counts.isEmpty())
            m_known.insert(fields.mid(0, 3).join(u'\t'), counts);
    }
}

std::optional<QList<int>> CopyCounts::remembered(const QString& path, BackupRestore::Kind kind) {
    const QString key = keyOf(path);
    const int expected = kind == BackupRestore::Kind::Log ? 4 : 1;
    auto known = m_known.constFind(key);
    if (key.isEmpty() || known == m_known.constEnd() || known->size() != expected)
        return std::nullopt;
    m_asked.insert(key, *known);
    return *known;
}

std::optional<QList<int>> CopyCounts::of(const QString& path, BackupRestore::Kind kind) {
    if (auto known = remembered(path, kind))
        return known;
    const QString key = keyOf(path);
    std::optional<QList<int>> counts = read(path, kind);
    if (counts && !key.isEmpty())
        m_asked.insert(key, *counts);
    return counts;
}

Outcome<void> CopyCounts::save() const {
    if (m_asked == m_known)
        return {};
    QByteArray text;
    for (auto it = m_asked.constBegin(); it != m_asked.constEnd(); ++it) {
        QStringList counts;
        for (const int n : it.value())
            counts << QString::number(n);
        text += (it.key() + u'\t' + counts.join(u',') + u'\n').toUtf8();
    }
    return SafeFile::write(m_file, text);
}
