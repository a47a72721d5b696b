#pragma once

#include "base/Outcome.h"
#include "store/BackupRestore.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// What the kept copies hold, read from each copy once and remembered in a file beside them by the
// copy's name, size and time: a copy never changes once named, and listing thousands of them
// then opens none.
class CopyCounts {
public:
    /// The name of the file in the copies' folder that remembers the counts.
    static const QString kFileName;

    /// Reads what is remembered for the copies in `folder`; a line that cannot be read is ignored.
    explicit CopyCounts(const QString& folder);
    /// For a log copy the contacts of stages 1A, 1B, 2A, 2B; for a callsign copy the callsigns;
    /// nothing when the copy cannot be read.
    std::optional<QList<int>> of(const QString& path, BackupRestore::Kind kind);
    /// The counts remembered for the copy, without opening it; nothing when none are.
    std::optional<QList<int>> remembered(const QString& path, BackupRestore::Kind kind);
    /// Remembers the counts asked for since the start (copies no longer listed are forgotten). A
    /// file that cannot be written only costs the next listing its time.
    Outcome<void> save() const;

private:
    QString m_file;
    QHash<QString, QList<int>> m_known; // by "name<TAB>size<TAB>time"
    QHash<QString, QList<int>> m_asked;
};
