#include "services/jetimport/JetImport.h"

#include "base/seams/JetReader.h"
#include "services/jetimport/JetSignature.h"
#include "services/jetimport/TableCopy.h"
#include "services/jetimport/TableMap.h"
#include "store/Database.h"
#include "store/SchemaScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kConnection = QStringLiteral("JetImport");

QString unusedName(const QString& path, const QString& suffix) {
    QString name = path + suffix;
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".%1").arg(n) + suffix;
    return name;
}

void removeDatabaseFiles(const QString& path) {
    for (const char* extra : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(extra));
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

JetImport::Result failure(const QString& error) {
    JetImport::Result o;
    o.error = error;
    return o;
}

// Copies into the database at `path`, which must hold the map's table.
JetImport::Result copyInto(const QString& path, const JetTable& table, const TableMap& map) {
    Database db(kConnection);
    const Outcome<void> opened = db.open(path, map.targetTable);
    if (opened.failureKind() == FailureKind::NotDatabase)
        return failure(QStringLiteral("fisierul %1 nu este o baza de date a acestui program")
                           .arg(shown(path)));
    if (!opened)
        return failure(QStringLiteral("baza de date %1 nu poate fi deschisa (%2)")
                           .arg(shown(path), opened.error()));
    // A log is one contest: it is never mixed into another one.
    if (map.keyColumn.isEmpty() &&
        db.scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(map.targetTable)).toInt() != 0)
        return failure(QStringLiteral("tabela %1 din %2 nu este goala; stergeti intai logul "
                                      "(DELETE_LOG)")
                           .arg(map.targetTable, shown(path)));
    const TableCopy::Result r = TableCopy::copyRows(table, map, db);
    JetImport::Result o;
    o.ok = r.ok;
    o.error = r.error;
    o.counts = r.counts;
    return o;
}
} // namespace

QString JetImport::keepingName(const QString& path) {
    return unusedName(path, QStringLiteral(".jet"));
}

QString JetImport::tablesHeld(const QStringList& tables) {
    if (tables.isEmpty())
        return QStringLiteral("fisierul nu are nicio tabela");
    return QStringLiteral("tabelele din fisier: ") + tables.join(QStringLiteral(", "));
}

JetImport::Inspection JetImport::inspect(const QString& path, const TableMap& map) {
    if (!JetSignature::matches(path))
        return {Holds::NotJet, {}, {}};
    if (const Outcome<void> opened = m_reader.open(path); !opened)
        return {Holds::Unreadable, opened.error(), {}};
    const QStringList tables = m_reader.tables();
    m_reader.close();
    return {tables.contains(map.sourceTable, Qt::CaseInsensitive) ? Holds::Table : Holds::NoTable,
            {},
            tables};
}

Outcome<JetTable> JetImport::readTable(const QString& path, const TableMap& map) {
    if (const Outcome<void> opened = m_reader.open(path); !opened)
        return Failure{opened.error()};
    Outcome<JetTable> table =
        m_reader.tables().contains(map.sourceTable, Qt::CaseInsensitive)
            ? m_reader.read(map.sourceTable)
            : Failure{QStringLiteral("fisierul nu contine tabela %1").arg(map.sourceTable)};
    m_reader.close();
    return table;
}

JetImport::Result JetImport::replace(const QString& path, const TableMap& map) {
    return createFrom(path, path, map, true);
}

JetImport::Result JetImport::importInto(const QString& jetPath, const QString& targetPath,
                                        const TableMap& map) {
    const QFileInfo target(targetPath);
    if (target.exists() && target == QFileInfo(jetPath))
        return replace(targetPath, map);
    if (!target.exists())
        return createFrom(jetPath, targetPath, map, false);
    return mergeInto(jetPath, targetPath, map);
}

JetImport::Result JetImport::createFrom(const QString& jetPath, const QString& targetPath,
                                        const TableMap& map, bool replacesJet) {
    const Outcome<JetTable> table = readTable(jetPath, map);
    if (!table)
        return failure(table.error());
    // The new database is made whole beside the target and only then given its name.
    const QString building = unusedName(targetPath, QStringLiteral(".import"));
    if (const Outcome<void> made = SchemaScript::createDatabase(building); !made) {
        removeDatabaseFiles(building);
        return failure(
            QStringLiteral("baza de date noua nu poate fi creata (%1)").arg(made.error()));
    }
    Result o = copyInto(building, *table, map);
    if (!o.ok) {
        removeDatabaseFiles(building);
        return o;
    }
    if (replacesJet) {
        o.keptAs = keepingName(targetPath);
        if (!QFile::rename(targetPath, o.keptAs)) {
            removeDatabaseFiles(building);
            return failure(
                QStringLiteral("fisierul %1 nu poate fi redenumit").arg(shown(targetPath)));
        }
    }
    if (!QFile::rename(building, targetPath)) {
        if (replacesJet)
            QFile::rename(o.keptAs, targetPath);
        removeDatabaseFiles(building);
        return failure(QStringLiteral("baza de date noua nu poate fi pusa in locul %1")
                           .arg(shown(targetPath)));
    }
    return o;
}

JetImport::Result JetImport::mergeInto(const QString& jetPath, const QString& targetPath,
                                       const TableMap& map) {
    const Outcome<JetTable> table = readTable(jetPath, map);
    if (!table)
        return failure(table.error());
    return copyInto(targetPath, *table, map);
}
