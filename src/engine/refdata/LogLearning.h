#pragma once

#include "Outcome.h"
#include "refdata/PastLog.h"

#include <QList>
#include <QMap>
#include <QString>

class Database;

// Teaching the callsign database from past logs: what would change is shown first, then written
// in one transaction after a copy of the database.
namespace LogLearning {

/// What the past logs would teach `CallJud`.
struct Plan {
    QMap<QString, QString> added;   // new callsign -> county
    QMap<QString, QString> changed; // known callsign -> its new county
    int unchanged = 0;              // known callsigns confirmed with their county
    int notLearnt = 0;              // contacts whose county is never learnt, or have none
    QList<PastLogFile> files;       // every file read, refused ones included

    bool writes() const { return !added.isEmpty() || !changed.isEmpty(); }
    /// The counts, the county fields read from ADIF files and the refused files, for the operator.
    QString describe() const;
};

/// Reads the files at `paths` and compares what they teach with `CallJud` in `callDb`. A
/// callsign heard with several counties takes the one of its newest contact.
Plan plan(Database& callDb, const QStringList& paths);
/// Writes `plan` to `CallJud` in one transaction, after keeping a copy of the database; nothing
/// is changed when either failed.
[[nodiscard]] Outcome<void> apply(Database& callDb, const Plan& plan);

} // namespace LogLearning
