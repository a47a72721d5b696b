#pragma once

#include "base/Outcome.h"

#include "base/seams/Clock.h"
#include "store/DatabaseCopy.h"
#include "store/SqliteConnection.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The copies of one database file kept in a folder as <stem>-<yyyy-mm-dd-hhmmss>.mdb (UTC): a copy
// is taken only when the database differs from the newest one, and only the newest are kept. A
// copy is written under a temporary name and takes its own only when whole, never over another
// file.
class BackupSet {
public:
    static constexpr int kKept = 20;

    enum class State { Taken, Unchanged, Failed };
    struct Result {
        State state = State::Failed;
        QString path;  // the new copy, or the newest one when nothing changed
        QString error; // the operator's message when the copy failed
    };

    BackupSet(QString folder, QString stem, const Clock& clock);

    /// Copies the database at `databasePath` unless it equals the newest copy, telling
    /// `progress` as the pages are copied.
    Result keep(const QString& databasePath, const DatabaseCopy::Progress& progress = {});
    /// Copies the database open on `source` unless it equals the newest copy; the copy `spared`
    /// is neither counted among the kept ones nor removed this time.
    Result keep(SqliteConnection& source, const QString& spared = {},
                const DatabaseCopy::Progress& progress = {});
    /// The kept copies, oldest first, as full paths.
    QStringList files() const;
    /// Removes what copies interrupted by a crash or a power cut left behind.
    void removeInterrupted() const;
    QString folder() const { return m_folder; }
    QString stem() const { return m_stem; }

private:
    Result failed(const QString& reason) const;
    Outcome<QString> writeTemporary(SqliteConnection& source,
                                    const DatabaseCopy::Progress& progress) const;
    Outcome<QString> giveName(const QString& temporary) const;
    QByteArray newestFingerprint();
    void prune(const QString& spared) const;

    QString m_folder;
    QString m_stem;
    const Clock& m_clock;
    QString m_knownPath; // the copy whose fingerprint is remembered
    QByteArray m_knownFingerprint;
};
