#include "store/BackupSet.h"

#include "base/FileNames.h"
#include "store/DatabaseCopy.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>

namespace {
const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
// Nine digits: the number of a copy can always grow by one without overflowing an int.
constexpr int kLastNumber = 999'999'999;
// What a copy is written under until it is whole; never listed as a copy.
const QString kUnfinished = QStringLiteral(".part");

struct CopyName {
    QString stamp;
    int number = 1; // copies taken within the same second get "-2", "-3", ...

    QString fileName(const QString& stem) const {
        const QString suffix = number > 1 ? u'-' + QString::number(number) : QString();
        return stem + u'-' + stamp + suffix + QStringLiteral(".mdb");
    }
    // The name that sorts right after this one.
    CopyName next() const {
        if (number < kLastNumber)
            return {stamp, number + 1};
        const QDateTime time = QDateTime::fromString(stamp, kStampFormat).addSecs(1);
        return {time.toString(kStampFormat), 1};
    }
};

// "yyyy-MM-dd-HHmmss" of digits, checked by hand: QDateTime::fromString costs more than the
// rest of listing a folder of thousands of copies.
bool validStamp(QStringView stamp) {
    const auto n = [&](qsizetype at, qsizetype length) { return stamp.mid(at, length).toInt(); };
    return QDate::isValid(n(0, 4), n(5, 2), n(8, 2)) &&
           QTime::isValid(n(11, 2), n(13, 2), n(15, 2));
}

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

bool allDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

// "<stem>-yyyy-MM-dd-HHmmss[-n].mdb", n of one to nine digits not starting with 0; read by hand,
// as a pattern match costs more than the rest of listing a folder of thousands of copies.
std::optional<CopyName> parseName(const QString& stem, const QString& name) {
    static constexpr qsizetype kStampLength = 17;
    const qsizetype at = stem.size() + 1;
    if (!name.startsWith(stem) || name.size() < at + kStampLength + 4 || name.at(at - 1) != u'-' ||
        !name.endsWith(QLatin1StringView(".mdb")))
        return std::nullopt;
    const QStringView stamp = QStringView(name).mid(at, kStampLength);
    for (qsizetype i = 0; i < kStampLength; ++i) {
        const bool dash = i == 4 || i == 7 || i == 10;
        if (dash ? stamp[i] != u'-' : !isDigit(stamp[i]))
            return std::nullopt;
    }
    const QStringView suffix = QStringView(name).mid(at + kStampLength).chopped(4);
    if (!suffix.isEmpty() && (suffix.size() < 2 || suffix.size() > 10 || suffix[0] != u'-' ||
                              suffix[1] == u'0' || !allDigits(suffix.mid(1))))
        return std::nullopt;
    if (!validStamp(stamp))
        return std::nullopt;
    return CopyName{stamp.toString(), suffix.isEmpty() ? 1 : suffix.mid(1).toInt()};
}

void removeCopy(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

// A copy written in place by an earlier version and cut short keeps its journal beside it.
bool cutShort(const QString& path) {
    return QFileInfo::exists(path + QStringLiteral("-journal"));
}
} // namespace

BackupSet::BackupSet(QString folder, QString stem, const Clock& clock)
    : m_folder(std::move(folder)), m_stem(std::move(stem)), m_clock(clock) {}

QStringList BackupSet::files() const {
    // One read of the folder: the copies and the journals beside them come from its entries, and
    // the file system is asked more only about a link (a link to a pipe or a device is no copy:
    // reading it would never end).
    std::vector<std::pair<CopyName, QString>> found;
    QSet<QString> journals;
    const QString prefix = m_stem + u'-';
    for (QDirIterator it(m_folder, QDir::Files); it.hasNext();) {
        it.next();
        const QString name = it.fileName();
        if (!name.startsWith(prefix))
            continue;
        if (name.endsWith(QLatin1StringView("-journal")))
            journals.insert(name.chopped(8));
        else if (const auto parsed = parseName(m_stem, name); parsed && it.fileInfo().isFile())
            found.emplace_back(*parsed, name);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.stamp, a.first.number) < std::tie(b.first.stamp, b.first.number);
    });
    const QDir dir(m_folder);
    QStringList paths;
    paths.reserve(qsizetype(found.size()));
    for (const auto& [name, file] : found)
        if (!journals.contains(file))
            paths << dir.filePath(file);
    return paths;
}

void BackupSet::removeInterrupted() const {
    const QDir dir(m_folder);
    const QDir::Filters any = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString& name : dir.entryList({m_stem + u'-' + u'*' + kUnfinished + u'*'}, any))
        QFile::remove(dir.filePath(name));
    for (const QString& name : dir.entryList({m_stem + QStringLiteral("-*.mdb")}, QDir::Files))
        if (parseName(m_stem, name) && cutShort(dir.filePath(name)))
            removeCopy(dir.filePath(name));
}

BackupSet::Result BackupSet::keep(const QString& databasePath,
                                  const DatabaseCopy::Progress& progress) {
    SqliteConnection source;
    if (const Outcome<void> opened = source.open(databasePath, SqliteConnection::Mode::ReadWrite);
        !opened)
        return failed(opened.error());
    return keep(source, {}, progress);
}

BackupSet::Result BackupSet::keep(SqliteConnection& source, const QString& spared,
                                  const DatabaseCopy::Progress& progress) {
    const QByteArray current = DatabaseCopy::fingerprint(source);
    if (!current.isEmpty() && current == newestFingerprint())
        return {State::Unchanged, m_knownPath, {}};
    if (!QDir().mkpath(m_folder))
        return failed(QStringLiteral("folderul nu poate fi creat"));
    const Outcome<QString> temporary = writeTemporary(source, progress);
    if (!temporary)
        return failed(temporary.error());
    const Outcome<QString> path = giveName(*temporary);
    if (!path) {
        removeCopy(*temporary);
        return failed(path.error());
    }
    m_knownPath = *path;
    m_knownFingerprint = current;
    prune(spared);
    return {State::Taken, *path, {}};
}

Outcome<QString> BackupSet::writeTemporary(SqliteConnection& source,
                                           const DatabaseCopy::Progress& progress) const {
    QString path;
    for (QFile file;;) {
        path = QDir(m_folder).filePath(
            m_stem + u'-' + QString::number(QRandomGenerator::global()->generate64(), 36) +
            kUnfinished);
        file.setFileName(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!file.exists())
            return Failure{QFileInfo(m_folder).isWritable()
                               ? QStringLiteral("fisierul nu poate fi creat")
                               : QStringLiteral("folderul nu permite scrierea")};
    }
    SqliteConnection target;
    // A plain single file, every page on the disk before the copy takes its name.
    Outcome<void> done = target.open(path, SqliteConnection::Mode::ReadWrite);
    if (done)
        done = target.exec("PRAGMA synchronous = FULL");
    if (done)
        done = DatabaseCopy::copy(source, target, progress);
    if (done)
        done = target.exec("PRAGMA journal_mode = DELETE");
    target.close();
    if (!done) {
        removeCopy(path);
        return Failure{done.error()};
    }
    return path;
}

Outcome<QString> BackupSet::giveName(const QString& temporary) const {
    CopyName name{m_clock.now().toUTC().toString(kStampFormat), 1};
    // A new copy always sorts last, even within one second or after the clock went back, so
    // that pruning never takes it.
    const QStringList copies = files();
    if (!copies.isEmpty()) {
        const CopyName newest = *parseName(m_stem, QFileInfo(copies.last()).fileName());
        if (name.stamp <= newest.stamp)
            name = newest.next();
    }
    // A name may be taken by something that is no copy (a folder, a file cut short, another
    // program's copy of the same second): the next one is tried.
    for (;; name = name.next()) {
        const QString path = QDir(m_folder).filePath(name.fileName(m_stem));
        const Outcome<bool> renamed = FileNames::renameIfFree(temporary, path);
        if (!renamed)
            return Failure{renamed.error()};
        if (*renamed)
            return path;
    }
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

void BackupSet::prune(const QString& spared) const {
    QStringList copies = files();
    const QString sparedFile = QFileInfo(spared).canonicalFilePath();
    copies.removeIf([&](const QString& copy) {
        return !sparedFile.isEmpty() && QFileInfo(copy).canonicalFilePath() == sparedFile;
    });
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
