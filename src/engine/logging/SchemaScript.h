#pragma once

#include <QString>
#include <QStringList>

// The program's database schema, built into the program, and new databases made from it.
namespace SchemaScript {

/// The statements of `script` one by one: a trigger's body stays with its trigger.
QStringList statements(const QString& script);
/// Makes the empty file `path` an SQLite database holding the program's tables; false and
/// `error` when it failed.
bool createDatabase(const QString& path, QString& error);

} // namespace SchemaScript
