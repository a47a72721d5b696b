#pragma once

#include "base/Outcome.h"
#include "contact/PastLog.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class Database;

// Teaching the callsign database from past logs: what would change is shown first, then written
// in one transaction after a copy of the database.
namespace LogLearning {

/// What the past logs would teach `CallJud` and the known callsigns.
struct Plan {
    // Every record read (a contact, or a line of a call history) is counted once, in one of:
    int learnt = 0;                 // a county the call's area offers, taught below
    int withoutCounty = 0;          // no county, or a word that is never learnt
    int foreign = 0;                // a call the program offers no counties for: left out
    QMap<QString, QString> added;   // new callsign -> county
    QMap<QString, QString> changed; // known callsign -> its new county
    int unchanged = 0;              // known callsigns confirmed with their county
    QStringList foreignCalls;       // the calls left out, each once, sorted
    QStringList known;              // callsigns of the lists not yet known, each once, sorted
    QList<PastLogFile> files;       // every file read, refused ones included

    int records() const { return learnt + withoutCounty + foreign; }
    bool writes() const { return !added.isEmpty() || !changed.isEmpty() || !known.isEmpty(); }
    /// The counts, the county fields read from ADIF files and the refused files, for the operator;
    /// `listForeign` names the calls left out too.
    QString describe(bool listForeign = false) const;
};

/// How far a long step is: `done` of `total` records.
using Progress = std::function<void(qint64 done, qint64 total)>;

/// Reads the files at `paths` and compares what they teach with `CallJud` in `callDb`. A
/// callsign heard with several counties takes the one of its newest contact.
Plan plan(Database& callDb, const QStringList& paths, const Progress& progress = {});
/// Writes `plan` to `CallJud` and the known callsigns in one transaction, after keeping a copy of
/// the database; nothing is changed when either failed.
[[nodiscard]] Outcome<void> apply(Database& callDb, const Plan& plan,
                                  const Progress& progress = {});

} // namespace LogLearning
