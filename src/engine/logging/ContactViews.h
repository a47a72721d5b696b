#pragma once

#include "logging/LogRow.h"

#include <QString>
#include <QStringList>

// Plain results of the contact engine's procedures: what the QSO screen shows.

/// What the screen shows after a callsign lookup.
struct LookupView {
    QString errorText;              // error box text; hidden when empty
    bool offersCounties = false;    // the county choice list
    QStringList counties;           // its entries
    bool hideStationFrames = false; // the station data and its frame
};

/// What the screen shows after the duplicate check.
struct DupeView {
    bool checked = false; // false for an empty callsign: nothing changes
    bool dupe = false;    // a duplicate is never logged
    QString error;        // the log could not be read: nothing was judged
};

/// The running labels: the code the station sends.
struct ScoreLabels {
    QString sentCode;
};

/// One row of the QSO screen's results per stage, as texts.
struct ResultRow {
    QString band;
    QString qso;
    QString mlt;
    QString pkt;
};

/// What `Enter` did.
struct EnterResult {
    enum class Status { Logged, EmptyCall, Incomplete, OwnCall, Duplicate, InsertFailed };
    Status status = Status::Logged;
    QString message;           // Romanian text for the operator when not logged
    qint64 id = 0;             // `ID` of the row written
    bool corrected = false;    // an existing row was replaced (a correction)
    bool totalsFailed = false; // the totals could not be read back from the log
    LogRow row;                // what was written
    bool learnFailed = false;  // the callsign database refused what it was taught
    QString codeError;         // the next sent code could not be read from the log
};

/// The county board of a stage, rebuilt from the log.
struct BoardView {
    QStringList grey; // label codes worked in the stage
};
