#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A throw-away data folder for one test, with empty databases made from the shipped schema.
class TempDataFolder {
public:
    TempDataFolder() = default;
    QString path() const { return m_dir.path(); }
    /// Left on disk, for a process that outlives this one's view of it.
    void keep() { m_dir.setAutoRemove(false); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    /// Creates an empty database `name` from the schema; false when sqlite3 failed.
    bool createDatabase(const QString& name) const {
        QProcess p;
        p.setStandardInputFile(QStringLiteral(VELT_SCHEMA));
        p.start(QStringLiteral("sqlite3"), {file(name)});
        return p.waitForFinished() && p.exitCode() == 0;
    }
    bool createDatabases() const {
        return createDatabase(QStringLiteral("LogVELT.mdb")) &&
               createDatabase(QStringLiteral("DbsVELT.mdb"));
    }
    bool write(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray read(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};
