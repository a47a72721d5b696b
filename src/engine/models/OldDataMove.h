#pragma once

#include "base/Outcome.h"
#include "base/seams/Clock.h"

#include <QString>

// A program built from source used to keep its data beside itself, in the build folder, where
// cleaning the build deletes it. When that folder still holds a log or callsign database, the
// operator is asked once whether to bring them into the data folder.
namespace OldDataMove {
/// The question to ask when `programFolder` holds the databases of an earlier run and this data
/// folder has not asked about them yet; empty when there is nothing to ask.
QString question(const QString& programFolder, const QString& dataFolder);
/// Settles the question. On "Da" the databases replace the data folder's own, which are kept as
/// copies in ARHIVA/backup first (see --list-backups); the settings files and the files of WAVUs,
/// Log and ARHIVA that the data folder lacks are copied. The build folder keeps its files. What
/// to tell the operator (nothing after "Nu"); when something could not be brought over, the
/// failure naming it, and the question comes again at the next start.
[[nodiscard]] Outcome<QString> answer(bool yes, const QString& programFolder,
                                      const QString& dataFolder, const Clock& clock);
} // namespace OldDataMove
