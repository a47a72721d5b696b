#pragma once

#include "Outcome.h"

#include "logging/BackupSet.h"

#include <QString>
#include <array>
#include <optional>

// The way back: a kept copy put in place of a database, and what a copy holds.
namespace BackupRestore {
/// Puts the copy `copyPath` (a sound database holding `table`) in place of the database at
/// `targetPath`, after keeping the current one in `copies`; the path of that kept copy. Refused
/// while another program has the database open.
[[nodiscard]] Outcome<QString> restore(BackupSet& copies, const QString& targetPath,
                                       const QString& copyPath, const QString& table);
/// The contacts per stage 1A, 1B, 2A, 2B in the log copy at `path`; nothing when unreadable.
std::optional<std::array<int, 4>> stageCounts(const QString& path);
/// The rows of `table` in the database at `path`; nothing when unreadable.
std::optional<int> rowCount(const QString& path, const QString& table);
} // namespace BackupRestore
