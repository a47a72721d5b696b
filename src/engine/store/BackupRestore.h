#pragma once

#include "base/Outcome.h"

#include "store/BackupSet.h"

#include <QString>
#include <array>
#include <optional>

// The way back: a kept copy put in place of a database, and what a copy holds.
namespace BackupRestore {
/// The two databases the program keeps copies of.
enum class Kind { Log, Callsigns };
/// The file name the database of `kind` has, without ".mdb", which starts the names of its copies.
QString stem(Kind kind);
/// Which database the copy at `path` is of: told by its name when that starts with a database's
/// own, otherwise by which of the two tables holds rows. Refused (the reason in Romanian) unless
/// it is a readable regular file that starts as a database.
[[nodiscard]] Outcome<Kind> kindOf(const QString& path);
/// Puts the copy `copyPath` of a database of `kind` in place of the one at `targetPath`, once the
/// copy is checked to be whole and the current file is kept in `copies` (which keeps the copy put
/// back, too); the path of that kept copy. Refused while another program has the database open.
[[nodiscard]] Outcome<QString> restore(BackupSet& copies, const QString& targetPath,
                                       const QString& copyPath, Kind kind);
/// The contacts per stage 1A, 1B, 2A, 2B in the log copy at `path`; nothing when unreadable.
std::optional<std::array<int, 4>> stageCounts(const QString& path);
/// The rows of `table` in the database at `path`; nothing when unreadable.
std::optional<int> rowCount(const QString& path, const QString& table);
} // namespace BackupRestore
