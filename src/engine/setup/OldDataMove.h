#pragma once

#include "seams/Clock.h"
#include "seams/Dialogs.h"

#include <QString>

// A program built from source used to keep its data beside itself, in the build folder, where
// cleaning the build deletes it. When that folder still holds a log or callsign database, the
// operator is asked once whether to bring them into the data folder.
namespace OldDataMove {
/// Asks when `programFolder` holds the databases of an earlier run and this data folder has not
/// asked about them yet. On "Da" the databases replace the data folder's own, which are kept as
/// copies in ARHIVA/backup first (see --list-backups); the settings files and the files of WAVUs,
/// Log and ARHIVA that the data folder lacks are copied. The build folder keeps its files.
void offer(const QString& programFolder, const QString& dataFolder, Dialogs& dialogs,
           const Clock& clock);
} // namespace OldDataMove
