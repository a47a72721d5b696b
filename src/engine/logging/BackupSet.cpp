#include "logging/BackupSet.h"

#include "logging/DatabaseCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {
struct CopyName {
    QString stamp;
    int number = 1; // copies taken within the same second get "-2", "-3", ...
};

std::optional<CopyName> parseName(const QString& stem, const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)-(\\d{4}-\\d{2}-\\d{2}-\\d{6})(?:-(\\d+))?\\.mdb$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch() || m.captured(1) != stem)
        return std::nullopt;
    return CopyName{m.captured(2), m.captured(3).isEmpty() ? 1 : m.captured(3).toInt()};
}

void removeCopy(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}
} // namespace

BackupSet::BackupSet(QString folder, QString stem, const Clock& clock)
    : m_folder(std::move(folder)), m_stem(std::move(stem)), m_clock(clock) {}

QStringList BackupSet::files() const {
    std::vector<std::pair<CopyName, QString>> found;
    const QStringList names =
        QDir(m_folder).entryList({m_stem + QStringLiteral("-*.mdb")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (const auto parsed = parseName(m_stem, name))
            found.emplace_back(*parsed, QDir(m_folder).filePath(name));
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.stamp, a.first.number) < std::tie(b.first.stamp, b.first.number);
    });
    QStringList paths;
    for (const auto& f : found)
        paths << f.second;
    return paths;
}

BackupSet::Result BackupSet::keep(const QString& databasePath) {
    SqliteConnection source;
    if (!source.open(databasePath, SqliteConnection::Mode::ReadWrite))
        return failed(source.error());
    return keep(source);
}

BackupSet::Result BackupSet::keep(SqliteConnection& source) {
    const QByteArray current = DatabaseCopy::fingerprint(source);
    if (!current.isEmpty() && current == newestFingerprint())
        return {State::Unchanged, m_knownPath, {}};
    if (!QDir().mkpath(m_folder))
        return failed(QStringLiteral("folderul nu poate fi creat"));
    const QString path = QDir(m_folder).filePath(newFileName());
    SqliteConnection target;
    // A plain single file: the copy needs no -wal or -shm beside it.
    Outcome<void> done = target.open(path, SqliteConnection::Mode::Create)
                             ? DatabaseCopy::copy(source, target)
                             : Failure{target.error()};
    if (done && !target.exec("PRAGMA journal_mode = DELETE"))
        done = Failure{target.error()};
    if (!done) {
        target.close();
        removeCopy(path);
        return failed(done.error());
    }
    target.close();
    m_knownPath = path;
    m_knownFingerprint = current;
    prune();
    return {State::Taken, path, {}};
}

QByteArray BackupSet::newestFingerprint() {
    const QStringList copies = files();
    if (copies.isEmpty())
        return {};
    // Read once per run; copies taken since are remembered as they are taken.
    if (copies.last() != m_knownPath) {
        SqliteConnection newest;
        m_knownPath = copies.last();
        m_knownFingerprint = newest.open(m_knownPath, SqliteConnection::Mode::ReadOnly)
                                 ? DatabaseCopy::fingerprint(newest)
                                 : QByteArray();
    }
    return m_knownFingerprint;
}

QString BackupSet::newFileName() const {
    CopyName next{m_clock.now().toUTC().toString(QStringLiteral("yyyy-MM-dd-HHmmss")), 1};
    // A new copy always sorts last, even within one second or after the clock went back, so
    // that pruning never takes it.
    const QStringList copies = files();
    if (!copies.isEmpty()) {
        const CopyName newest = *parseName(m_stem, QFileInfo(copies.last()).fileName());
        if (next.stamp <= newest.stamp)
            next = {newest.stamp, newest.number + 1};
    }
    const QString number = next.number > 1 ? u'-' + QString::number(next.number) : QString();
    return m_stem + u'-' + next.stamp + number + QStringLiteral(".mdb");
}

void BackupSet::prune() const {
    const QStringList copies = files();
    for (qsizetype i = 0; i + kKept < copies.size(); ++i)
        removeCopy(copies[i]);
}

BackupSet::Result BackupSet::failed(const QString& reason) const {
    return {
        State::Failed,
        {},
        QStringLiteral("COPIA DE SIGURANTA A FISIERULUI %1.mdb NU A PUTUT FI FACUTA IN %2 (%3).")
            .arg(m_stem, QDir::toNativeSeparators(m_folder), reason)};
}
