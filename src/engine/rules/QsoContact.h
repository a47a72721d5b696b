#pragma once

#include <QString>

/// The contact in hand: the QSO screen fills it from its fields and shows what the engine decides.
struct QsoContact {
    QString callsign;
    QString date; // "dd.mm.yy" (or typed "dd.mm.yyyy")
    QString utc;  // "hh:mm"
    QString rstReceived;
    QString codeReceived;
    QString countyReceived;
    QString rstSent;
    QString codeSent;
    QString countySent;

    QString mult = QStringLiteral("  "); // the multiplier it brings, two blanks for none
    QString points = QStringLiteral("2");
    QString proposedCounty; // the county the callsign database proposed
    QString reservedSerial; // the serial reserved in the log for this contact, if any
    bool checked = false;   // the duplicate check ran on the callsign in hand
    bool dupe = false;      // duplicate mark
    bool otherMode = false; // worked in the other mode of the stage, allowed at once
    bool notFound = false;  // the callsign is not in the callsign database
    bool newMult = false;   // the "NOU" mark shows
};
