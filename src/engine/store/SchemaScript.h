#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>

// The database schema and new databases made from it: the program's own, built into it, or the
// one installed with the data folder's templates.
namespace SchemaScript {

/// The statements of `script` one by one: a trigger's body stays with its trigger.
QStringList statements(const QString& script);
/// Creates the database `path` (which must not exist) from `script`; nothing is left when it
/// failed.
[[nodiscard]] Outcome<void> create(const QString& path, const QString& script);
/// The program's own schema, built into it.
[[nodiscard]] Outcome<QString> builtIn();
/// Creates the database `path` (which must not exist) holding the program's tables.
[[nodiscard]] Outcome<void> createDatabase(const QString& path);

} // namespace SchemaScript
