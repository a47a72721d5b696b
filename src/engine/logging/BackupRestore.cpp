#include "logging/BackupRestore.h"

#include "logging/DatabaseCopy.h"

#include <QDir>
#include <sqlite3.h>

namespace {
const QString kNothingChanged = QStringLiteral(" NU S-A SCHIMBAT NIMIC.");

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString cannotOpen(const SqliteConnection& db) {
    return QStringLiteral("FISIERUL %1 NU POATE FI DESCHIS (%2).")
               .arg(native(db.path()), db.error()) +
           kNothingChanged;
}

// A copy worth putting back: readable, holding `table`, and whole.
QString checkCopy(SqliteConnection& copy, const QString& table) {
    if (!copy.hasTable(table))
        return QStringLiteral("FISIERUL %1 NU ESTE O COPIE CU TABELA %2.")
            .arg(native(copy.path()), table);
    if (copy.text(QStringLiteral("PRAGMA integrity_check")) != QStringLiteral("ok"))
        return QStringLiteral("FISIERUL %1 ESTE DETERIORAT.").arg(native(copy.path()));
    return {};
}

// SQLite keeps an exclusive lock for the whole life of a connection in exclusive locking mode;
// it cannot be had while another connection has the file open.
bool lockAlone(SqliteConnection& target) {
    sqlite3_busy_timeout(target.handle(), 0);
    return target.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;");
}
} // namespace

namespace BackupRestore {

Outcome<QString> restore(BackupSet& copies, const QString& targetPath, const QString& copyPath,
                         const QString& table) {
    SqliteConnection copy;
    if (!copy.open(copyPath, SqliteConnection::Mode::ReadOnly))
        return Failure{cannotOpen(copy)};
    if (const QString refused = checkCopy(copy, table); !refused.isEmpty())
        return Failure{refused + kNothingChanged};
    SqliteConnection target;
    if (!target.open(targetPath, SqliteConnection::Mode::ReadWrite))
        return Failure{cannotOpen(target)};
    if (!lockAlone(target))
        return Failure{QStringLiteral("FISIERUL %1 ESTE DESCHIS DE UN PROGRAM CARE RULEAZA. "
                                      "INCHIDETI PROGRAMUL SI INCERCATI DIN NOU.")
                           .arg(native(targetPath)) +
                       kNothingChanged};
    const BackupSet::Result current = copies.keep(target);
    if (current.state == BackupSet::State::Failed)
        return Failure{current.error + kNothingChanged};
    if (const Outcome<void> copied = DatabaseCopy::copy(copy, target); !copied)
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
