#include "store/BackupRestore.h"

#include "store/DatabaseCopy.h"
#include "store/SchemaScript.h"
#include "store/SchemaUpgrade.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <sqlite3.h>

namespace {
using BackupRestore::Kind;

const QString kNothingChanged = QStringLiteral(" NU S-A SCHIMBAT NIMIC.");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString table(Kind kind) {
    return kind == Kind::Log ? QStringLiteral("LogGen") : QStringLiteral("CallJud");
}

Failure refused(const QString& message) {
    return Failure{message + kNothingChanged};
}

Failure damaged(const QString& path) {
    return refused(QStringLiteral("FISIERUL %1 ESTE DETERIORAT.").arg(native(path)));
}

Failure cannotOpen(const QString& path, const Outcome<void>& opened) {
    return refused(
        QStringLiteral("FISIERUL %1 NU POATE FI DESCHIS (%2).").arg(native(path), opened.error()));
}

// A regular file that starts as a whole SQLite database would; only then is it opened, so that
// neither a pipe nor a device is ever read.
Outcome<void> checkFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QStringLiteral("FISIERUL %1 NU EXISTA.").arg(native(path)));
    if (info.isDir())
        return refused(QStringLiteral("%1 ESTE UN FOLDER, NU O COPIE.").arg(native(path)));
    if (!info.isFile())
        return refused(QStringLiteral("%1 NU ESTE UN FISIER OBISNUIT (ESTE UN CANAL, UN SOCKET "
                                      "SAU UN DISPOZITIV).")
                           .arg(native(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("FISIERUL %1 NU POATE FI CITIT (LIPSESTE DREPTUL DE CITIRE).")
                           .arg(native(path)));
    const QByteArray header = file.read(100);
    if (header.isEmpty())
        return refused(QStringLiteral("FISIERUL %1 ESTE GOL.").arg(native(path)));
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return refused(QStringLiteral("FISIERUL %1 NU ESTE O COPIE A LOGULUI SAU A BAZEI DE DATE "
                                      "CU INDICATIVE (NU ESTE O BAZA DE DATE SQLITE).")
                           .arg(native(path)));
    if (header.size() < 100)
        return damaged(path);
    // The page count in the header holds when the two change counters agree.
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 pageSize = qFromBigEndian<quint16>(bytes + 16);
    const qint64 pages = qFromBigEndian<quint32>(bytes + 28);
    const qint64 expected = (pageSize == 1 ? 65536 : pageSize) * pages;
    if (qFromBigEndian<quint32>(bytes + 24) == qFromBigEndian<quint32>(bytes + 92) &&
        info.size() < expected)
        return refused(QStringLiteral("FISIERUL %1 ESTE INCOMPLET (ARE %2 DIN CEI %3 OCTETI).")
                           .arg(native(path))
                           .arg(info.size())
                           .arg(expected));
    return {};
}

// The columns the program's schema gives `table`.
QStringList neededColumns(const QString& table) {
    const Outcome<QString> script = SchemaScript::builtIn();
    SqliteConnection schema;
    if (!script || !schema.open(QStringLiteral(":memory:"), SqliteConnection::Mode::Create) ||
        !schema.exec(script->toUtf8().constData()))
        return {};
    return schema.column(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table})
        .value_or(QStringList());
}

// The copy's table for `kind` has every column the program reads and writes.
Outcome<void> checkSchema(SqliteConnection& copy, Kind kind) {
    const std::optional<QStringList> present =
        copy.column(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table(kind)});
    if (!present)
        return damaged(copy.path());
    const QString kindText = QStringLiteral("FISIERUL %1 NU ESTE O COPIE CU TABELA %2")
                                 .arg(native(copy.path()), table(kind));
    if (present->isEmpty())
        return refused(kindText + u'.');
    QStringList missing;
    // A copy older than a column gets it when the restored log is next opened.
    const auto added = [](const QString& column) {
        return std::any_of(SchemaUpgrade::addedColumns().cbegin(),
                           SchemaUpgrade::addedColumns().cend(),
                           [&](const auto& c) { return c.first == column; });
    };
    for (const QString& column : neededColumns(table(kind)))
        if (!present->contains(column, Qt::CaseInsensitive) && !added(column))
            missing << column;
    if (!missing.isEmpty())
        return refused(kindText + QStringLiteral(": LIPSESC COLOANELE ") +
                       missing.join(QStringLiteral(", ")) + u'.');
    return {};
}

// Both databases are made from one schema, so both tables are in each: the one with rows tells.
Outcome<Kind> kindByContent(SqliteConnection& copy) {
    const auto rows = [&](Kind kind) {
        return copy.text(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(table(kind)));
    };
    const bool hasLog = copy.hasTable(table(Kind::Log));
    const bool hasCallsigns = copy.hasTable(table(Kind::Callsigns));
    if (!hasLog && !hasCallsigns)
        return copy.text(QStringLiteral("SELECT count(*) FROM sqlite_master"))
                   ? refused(QStringLiteral("FISIERUL %1 NU ESTE O COPIE A LOGULUI (TABELA LogGen) "
                                            "SAU A BAZEI DE DATE CU INDICATIVE (TABELA CallJud).")
                                 .arg(native(copy.path())))
                   : damaged(copy.path());
    if (hasLog != hasCallsigns)
        return hasLog ? Kind::Log : Kind::Callsigns;
    const std::optional<QString> logRows = rows(Kind::Log);
    const std::optional<QString> callsignRows = rows(Kind::Callsigns);
    if (!logRows || !callsignRows)
        return damaged(copy.path());
    if (*logRows != *callsignRows)
        return *logRows > *callsignRows ? Kind::Log : Kind::Callsigns;
    return refused(QStringLiteral("NU SE POATE STI DACA FISIERUL %1 ESTE O COPIE A LOGULUI SAU A "
                                  "BAZEI DE DATE CU INDICATIVE: NUMELE LUI TREBUIE SA INCEAPA CU "
                                  "LogVELT SAU DbsVELT.")
                       .arg(native(copy.path())));
}

// A copy worth putting back: the right tables, and every page sound.
Outcome<void> checkCopy(SqliteConnection& copy, Kind kind) {
    if (Outcome<void> schema = checkSchema(copy, kind); !schema)
        return schema;
    if (copy.text(QStringLiteral("PRAGMA integrity_check")) != QStringLiteral("ok"))
        return damaged(copy.path());
    return {};
}

// SQLite keeps an exclusive lock for the whole life of a connection in exclusive locking mode;
// it cannot be had while another connection has the file open.
Outcome<void> lockAlone(SqliteConnection& target) {
    sqlite3_busy_timeout(target.handle(), 0);
    return target.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;");
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Every page of `copy` into `target`. A database in WAL mode cannot take pages of another size,
// so the copy goes in with a rollback journal (a crash meanwhile rolls it back) and the file
// returns to WAL mode after.
Outcome<void> replacePages(SqliteConnection& copy, SqliteConnection& target) {
    if (Outcome<void> rollback = target.exec("PRAGMA journal_mode = DELETE"); !rollback)
        return rollback;
    Outcome<void> copied = DatabaseCopy::copy(copy, target);
    // Left in the other mode the file still works; only slower when logging.
    (void)target.exec("PRAGMA journal_mode = WAL");
    return copied;
}
} // namespace

namespace BackupRestore {

QString stem(Kind kind) {
    return kind == Kind::Log ? QStringLiteral("LogVELT") : QStringLiteral("DbsVELT");
}

Outcome<Kind> kindOf(const QString& path) {
    if (const Outcome<void> file = checkFile(path); !file)
        return Failure{file.error()};
    // Told by the name, the file is not opened here: it may be the database itself.
    const QString name = QFileInfo(path).fileName();
    for (const Kind kind : {Kind::Log, Kind::Callsigns})
        if (name.startsWith(stem(kind), Qt::CaseInsensitive))
            return kind;
    SqliteConnection copy;
    if (const Outcome<void> opened = copy.open(path, SqliteConnection::Mode::ReadOnly); !opened)
        return cannotOpen(path, opened);
    return kindByContent(copy);
}

Outcome<QString> restore(BackupSet& copies, const QString& targetPath, const QString& copyPath,
                         Kind kind) {
    if (sameFile(copyPath, targetPath))
        return refused(QStringLiteral("FISIERUL %1 ESTE CHIAR %2.mdb PE CARE IL FOLOSESTE "
                                      "PROGRAMUL, NU O COPIE. COPIILE SUNT IN %3.")
                           .arg(native(copyPath), stem(kind), native(copies.folder())));
    if (const Outcome<void> file = checkFile(copyPath); !file)
        return Failure{file.error()};
    SqliteConnection copy;
    if (const Outcome<void> opened = copy.open(copyPath, SqliteConnection::Mode::ReadOnly); !opened)
        return cannotOpen(copyPath, opened);
    if (const Outcome<void> sound = checkCopy(copy, kind); !sound)
        return Failure{sound.error()};
    SqliteConnection target;
    if (const Outcome<void> opened = target.open(targetPath, SqliteConnection::Mode::ReadWrite);
        !opened)
        return cannotOpen(targetPath, opened);
    if (const Outcome<void> locked = lockAlone(target); !locked)
        return target.busy() ? refused(QStringLiteral("FISIERUL %1 ESTE DESCHIS DE UN PROGRAM CARE "
                                                      "RULEAZA. INCHIDETI PROGRAMUL SI INCERCATI "
                                                      "DIN NOU.")
                                           .arg(native(targetPath)))
                             : cannotOpen(targetPath, locked);
    // No program runs on this database now: what an interrupted copy left can go.
    copies.removeInterrupted();
    const BackupSet::Result current = copies.keep(target, copyPath);
    if (current.state == BackupSet::State::Failed)
        return refused(current.error);
    if (const Outcome<void> copied = replacePages(copy, target); !copied)
        return Failure{QStringLiteral("COPIA NU A PUTUT FI PUSA IN LOCUL FISIERULUI %1 (%2). "
                                      "FISIERUL DE DINAINTE ESTE PASTRAT IN %3.")
                           .arg(native(targetPath), copied.error(), native(current.path))};
    return current.path;
}

std::optional<std::array<int, 4>> stageCounts(const QString& path) {
    SqliteConnection copy;
    if (!copy.open(path, SqliteConnection::Mode::ReadOnly))
        return std::nullopt;
    std::array<int, 4> counts{};
    for (int stage = 1; stage <= 4; ++stage) {
        const auto n = copy.text(QStringLiteral("SELECT count(*) FROM LogGen WHERE Etp = ?"),
                                 {QString::number(stage)});
        if (!n)
            return std::nullopt;
        counts[stage - 1] = n->toInt();
    }
    return counts;
}

std::optional<int> rowCount(const QString& path, const QString& table) {
    SqliteConnection copy;
    if (!copy.open(path, SqliteConnection::Mode::ReadOnly) || !copy.hasTable(table))
        return std::nullopt;
    // The table name is one of the program's own, checked above.
    const auto n = copy.text(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
    return n ? std::optional<int>(n->toInt()) : std::nullopt;
}

} // namespace BackupRestore
