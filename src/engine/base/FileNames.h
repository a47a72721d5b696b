#pragma once

#include "base/Outcome.h"

#include <QString>

// Giving a finished file its name for good: never over another file, and lasting a power cut.
namespace FileNames {
/// Renames `from` to `to` unless `to` exists, then makes the folder's entry durable; false when
/// the name was taken (nothing changed), a failure with the reason in Romanian otherwise.
[[nodiscard]] Outcome<bool> renameIfFree(const QString& from, const QString& to);
} // namespace FileNames
