#pragma once

#include <QString>
#include <QStringList>

// A new database made from the schema script, for the first start of a per-user data folder.
namespace EmptyDatabase {
/// The script's statements, each whole: a trigger's body stays with its CREATE TRIGGER.
QStringList statements(const QString& script);
/// Creates the database `path` (which must not exist) from `script`; the reason when it failed.
QString create(const QString& path, const QString& script);
} // namespace EmptyDatabase
