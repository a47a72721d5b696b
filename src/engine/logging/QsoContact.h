#pragma once

#include <QString>

/// The contact in hand: the QSO screen fills it from its fields and shows what the engine decides.
struct QsoContact {
    QString callsign;       // TxtIndic
    QString date;           // TxtDate, "dd.mm.yy" (or typed "dd.mm.yyyy")
    QString utc;            // TxtUTC, "hh:mm"
    QString rstReceived;    // TxtRSTR1
    QString codeReceived;   // TxtRSTR2
    QString countyReceived; // TxtRstR3
    QString rstSent;        // TxtRSTE1
    QString codeSent;       // TxtRSTE2
    QString countySent;     // TxtRSTE3

    QString mult = QStringLiteral("  "); // the multiplier it brings, two blanks for none
    QString points = QStringLiteral("2");
    QString boardCounty;    // the code the county board greys when it is logged
    QString proposedCounty; // the county the callsign database proposed
    bool checked = false;   // the duplicate check ran on the callsign in hand
    bool dupe = false;      // duplicate mark
    bool otherMode = false; // worked in the other mode of the stage, allowed at once
    bool notFound = false;  // the callsign is not in the callsign database
    bool newMult = false;   // `LblNeu` ("NOU") visible
};
