#pragma once

#include <QString>
#include <QStringList>

// Plain results of the contact engine's procedures: what the QSO screen shows.

/// What the screen shows after a callsign lookup.
struct LookupView {
    QString errorText;              // error box text; hidden when empty
    QStringList counties;           // the county choice list, none when empty
    bool hideStationFrames = false; // the station data and its frame
};

/// What the screen shows after the duplicate check.
struct DupeView {
    bool checked = false; // false for an empty callsign: nothing changes
    bool dupe = false;    // a duplicate is never logged
    QString error;        // the log could not be read: nothing was judged
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
    enum class Status {
        Logged,
        EmptyCall,
        Incomplete,
        OwnCall,
        BadCounty, // outside what the contest accepts
        Duplicate,
        InsertFailed,
        SerialTaken, // the serial shown went to another program's contact: a new one is shown
    };
    Status status = Status::Logged;
    QString message;         // Romanian text for the operator when not logged
    bool corrected = false;  // an existing row was replaced (a correction)
    bool addedAlone = false; // a row was added at the end of its stage, and no other row changed
    QString date;            // the date and time the contact was stored with
    QString utc;
    bool totalsFailed = false; // the totals could not be read back from the log
    bool learnFailed = false;  // the callsign database refused what it was taught
    QString codeError;         // the next sent code could not be read from the log

    static EnterResult refused(Status status, const QString& message) {
        EnterResult result;
        result.status = status;
        result.message = message;
        return result;
    }
    /// The log could not be read or written: the contact is not in it.
    static EnterResult notWritten(const QString& error) {
        return refused(Status::InsertFailed,
                       QStringLiteral("CONTACTUL NU A FOST SCRIS IN LOG ! (%1)").arg(error));
    }
};
