#include "models/OldDataMove.h"

#include "base/KeptSettings.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupRestore.h"
#include "store/BackupSet.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace OldDataMove {
namespace {

using BackupRestore::Kind;
const Kind kDatabases[] = {Kind::Log, Kind::Callsigns};
const char* const kSettingsFiles[] = {"VELTInit.dat", "VELTTextCw.dat", "special_stations.txt"};
const char* const kWorkFolders[] = {"WAVUs", "Log", "ARHIVA"};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool holdsDatabase(const QDir& folder) {
    return std::ranges::any_of(kDatabases, [&](Kind kind) {
        return QFileInfo::exists(
            folder.filePath(BackupRestore::stem(kind) + QStringLiteral(".mdb")));
    });
}

// Copies the files of `from` that `to` lacks, keeping the sub-folders; what fails is named.
QStringList copyMissing(const QDir& from, const QDir& to) {
    QStringList failed;
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to.filePath(from.relativeFilePath(source));
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            failed << native(source);
    }
    return failed;
}

// The move itself; the texts of what could not be brought over.
QStringList move(const QDir& from, const QDir& to, const Clock& clock) {
    QStringList failed;
    for (const Kind kind : kDatabases) {
        const QString name = BackupRestore::stem(kind) + QStringLiteral(".mdb");
        if (!QFileInfo::exists(from.filePath(name)))
            continue;
        BackupSet copies(ReportFiles::backupFolder(to.path()), BackupRestore::stem(kind), clock);
        const Outcome<QString> kept =
            BackupRestore::restore(copies, to.filePath(name), from.filePath(name), kind);
        if (!kept)
            failed << kept.error();
    }
    for (const char* file : kSettingsFiles) {
        const QString name = QLatin1String(file);
        if (!QFileInfo::exists(from.filePath(name)))
            continue;
        // The data folder's own file stays beside it under another name.
        const QString target = to.filePath(name);
        const QString aside = target + QStringLiteral(".inainte");
        if (QFileInfo::exists(target)) {
            QFile::remove(aside);
            if (!QFile::rename(target, aside)) {
                failed << native(target);
                continue;
            }
        }
        if (!QFile::copy(from.filePath(name), target))
            failed << native(from.filePath(name));
    }
    for (const char* folder : kWorkFolders)
        failed << copyMissing(QDir(from.filePath(QLatin1String(folder))),
                              QDir(to.filePath(QLatin1String(folder))));
    return failed;
}
} // namespace

QString question(const QString& programFolder, const QString& dataFolder) {
    const QDir from(programFolder);
    const QDir to(dataFolder);
    if (from.canonicalPath() == to.canonicalPath() || !holdsDatabase(from) ||
        KeptSettings(to.path()).oldFolderAsked() == from.canonicalPath())
        return {};
    return QStringLiteral(
               "In folderul programului, %1, se afla logul si baza de date cu indicative "
               "dintr-o rulare anterioara. Acest folder se sterge la curatarea "
               "compilarii. Le aduceti in folderul de date %2?\n\nBazele de date de "
               "acum din %2 se pastreaza ca copii in ARHIVA/backup, iar fisierele din %1 "
               "raman si ele neatinse.")
        .arg(native(from.path()), native(to.path()));
}

Outcome<QString> answer(bool yes, const QString& programFolder, const QString& dataFolder,
                        const Clock& clock) {
    const QDir from(programFolder);
    const QDir to(dataFolder);
    const QStringList failed = yes ? move(from, to, clock) : QStringList();
    if (!failed.isEmpty())
        return Failure{QStringLiteral("Nu s-a putut aduce tot in folderul de date:\n") +
                       failed.join(u'\n')};
    if (const Outcome<void> kept = KeptSettings(to.path()).keepOldFolderAsked(from.canonicalPath());
        !kept)
        return Failure{kept.error()};
    if (!yes)
        return QString();
    return QStringLiteral("Logul si baza de date cu indicative sunt acum in %1.")
        .arg(native(to.path()));
}
} // namespace OldDataMove
