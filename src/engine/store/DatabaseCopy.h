#pragma once

#include "base/Outcome.h"

#include "store/SqliteConnection.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Whole-database copies through SQLite's online backup: one read snapshot of the source, so the
// copy is consistent while other programs keep writing to it.
namespace DatabaseCopy {
/// Told that `copied` of `total` pages are in the copy; false stops it.
using Progress = std::function<bool(int copied, int total)>;
/// Replaces every page of `to` with the pages of `from`; with `progress`, a part at a time.
[[nodiscard]] Outcome<void> copy(SqliteConnection& from, SqliteConnection& to,
                                 const Progress& progress = {});
/// A digest of every row of every table and of the schema: equal digests, equal contents. Empty
/// when the database could not be read.
QByteArray fingerprint(SqliteConnection& db);
} // namespace DatabaseCopy
