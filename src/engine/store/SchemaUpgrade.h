#pragma once

#include "base/Outcome.h"

#include <QList>
#include <QString>
#include <utility>

class Database;

// The schema version of the program's databases (`PRAGMA user_version`, raised with every change
// of data/schema.sql): a file made by an earlier version gets what it lacks, indexes included.
namespace SchemaUpgrade {
/// The version data/schema.sql makes.
constexpr int kVersion = 3;
/// The `LogGen` columns newer than the oldest schema, with their types: a file without them gets
/// them when it is brought up to date.
const QList<std::pair<QString, QString>>& addedColumns();
/// Brings the open `db` up to kVersion in one transaction, after a copy of the file is kept (see
/// Database::keepCopy); a file of a newer version is refused (the reason in Romanian) unchanged.
[[nodiscard]] Outcome<void> bringUpToDate(Database& db);
} // namespace SchemaUpgrade
