#include "store/SchemaUpgrade.h"

#include "store/Database.h"
#include "store/SchemaScript.h"

#include <QDir>

namespace SchemaUpgrade {
namespace {
// A log made before the totals were kept gets them counted once, as the triggers would have.
const QString kFillTotals = QStringLiteral(
    "INSERT INTO LogTotals (Etp, Qsos, Mults, Points) SELECT Etp, count(*), "
    "sum(length(trim(coalesce(Mult, ''))) > 0), sum(CAST(trim(coalesce(Pct, '')) AS INTEGER)) "
    "FROM LogGen WHERE Etp IS NOT NULL GROUP BY Etp");

// CREATE TABLE IF NOT EXISTS leaves an older table as it is: the columns added since come here.
Outcome<void> addColumns(Database& db) {
    for (const auto& [name, type] : addedColumns()) {
        if (db.scalar(QStringLiteral("SELECT count(*) FROM pragma_table_info('LogGen') WHERE "
                                     "name = ?"),
                      {name})
                .toInt() > 0)
            continue;
        if (Outcome<void> done =
                db.exec(QStringLiteral("ALTER TABLE LogGen ADD COLUMN %1 %2").arg(name, type));
            !done)
            return done;
    }
    return {};
}

Outcome<void> addWhatIsMissing(Database& db, const QString& script) {
    const bool hadTotals = db.hasTable(QStringLiteral("LogTotals"));
    if (db.hasTable(QStringLiteral("LogGen")))
        if (Outcome<void> done = addColumns(db); !done)
            return done;
    // Every statement of the schema is CREATE ... IF NOT EXISTS; the pragmas cannot run inside a
    // transaction and the version is set last.
    for (const QString& statement : SchemaScript::statements(script)) {
        if (statement.startsWith(QLatin1String("PRAGMA"), Qt::CaseInsensitive))
            continue;
        if (Outcome<void> done = db.exec(statement); !done)
            return done;
    }
    if (!hadTotals)
        if (Outcome<void> filled = db.exec(kFillTotals); !filled)
            return filled;
    return db.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
}
} // namespace

const QList<std::pair<QString, QString>>& addedColumns() {
    static const QList<std::pair<QString, QString>> columns{
        {QStringLiteral("Frecv"), QStringLiteral("INTEGER")}};
    return columns;
}

Outcome<void> bringUpToDate(Database& db) {
    const QString file = QDir::toNativeSeparators(db.path());
    const QVariant stored = db.scalar(QStringLiteral("PRAGMA user_version"));
    if (!stored.isValid())
        return Failure{QStringLiteral("Versiunea fisierului %1 nu poate fi citita.").arg(file)};
    const int version = stored.toInt();
    if (version == kVersion)
        return {};
    if (version > kVersion)
        return Failure{QStringLiteral("Fisierul %1 a fost facut de o versiune mai noua a "
                                      "programului (schema %2; acest program cunoaste schema "
                                      "%3). Fisierul a fost lasat neschimbat: folositi versiunea "
                                      "noua a programului.")
                           .arg(file)
                           .arg(version)
                           .arg(kVersion)};
    const Outcome<QString> script = SchemaScript::builtIn();
    if (!script)
        return Failure{script.error()};
    const Outcome<void> done = db.changeAfterCopy([&] { return addWhatIsMissing(db, *script); });
    if (!done)
        return Failure{QStringLiteral("Fisierul %1 nu a putut fi adus la versiunea programului: %2")
                           .arg(file, done.error())};
    return {};
}
} // namespace SchemaUpgrade
