#include "store/DataFolder.h"

#include "store/SchemaScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace DataFolder {
namespace {
const QStringList kDatabases{QStringLiteral("LogVELT.mdb"), QStringLiteral("DbsVELT.mdb")};
const QStringList kWorkFolders{QStringLiteral("WAVUs"), QStringLiteral("Log"),
                               QStringLiteral("ARHIVA")};

QString readSchema(const QString& templates, QString& error) {
    QFile f(QDir(templates).filePath(QStringLiteral("schema.sql")));
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("lipseste %1").arg(QDir::toNativeSeparators(f.fileName()));
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

// The shipped data files the operator edits (the special stations), copied once.
QString copyShippedFiles(const QString& templates, const QDir& into) {
    const QDir from(templates);
    for (const QString& name : from.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        if (!QFile::copy(from.filePath(name), into.filePath(name)))
            return QStringLiteral("nu s-a putut copia %1").arg(name);
    }
    return {};
}

QString fill(const QDir& dir, const QString& templates) {
    QString error;
    const QString schema = readSchema(templates, error);
    if (!error.isEmpty())
        return error;
    for (const QString& db : kDatabases) {
        if (const Outcome<void> made = SchemaScript::create(dir.filePath(db), schema); !made)
            return db + QStringLiteral(": ") + made.error();
    }
    for (const QString& sub : kWorkFolders)
        if (!dir.mkdir(sub))
            return QStringLiteral("nu s-a putut crea %1").arg(sub);
    return copyShippedFiles(templates, dir);
}
} // namespace

QString userFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("velt"));
}

QString templatesFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/velt"));
    const QString built = QDir(programFolder).filePath(QStringLiteral("share/velt"));
    return QFileInfo::exists(QDir(installed).filePath(QStringLiteral("schema.sql"))) ? installed
                                                                                     : built;
}

Location locate(const QString& folder, const QString& templates) {
    Location where{folder, QDir(templates).filePath(QStringLiteral("help")), {}};
    // An existing folder is the operator's: a database missing from it is reported at start-up,
    // never silently replaced by an empty one.
    const QFileInfo info(folder);
    if (!info.exists())
        where.error = create(folder, templates);
    else if (!info.isDir())
        where.error = QStringLiteral("nu este un folder");
    return where;
}

QString create(const QString& folder, const QString& templates) {
    const QFileInfo target(folder);
    if (!QDir().mkpath(target.absolutePath()))
        return QStringLiteral("nu s-a putut crea %1").arg(target.absolutePath());
    QTemporaryDir building(target.absoluteFilePath() + QStringLiteral("-XXXXXX"));
    if (!building.isValid())
        return QStringLiteral("nu s-a putut crea un folder langa %1").arg(target.absolutePath());
    QString error = fill(QDir(building.path()), templates);
    if (!error.isEmpty())
        return error;
    if (!QDir().rename(building.path(), target.absoluteFilePath()))
        return QStringLiteral("nu s-a putut redenumi %1").arg(building.path());
    building.setAutoRemove(false);
    return {};
}
} // namespace DataFolder
