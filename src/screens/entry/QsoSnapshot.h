#pragma once

#include <QRgb>
#include <QString>

/// The entry as the abort found it, kept for REC&UP.DUPA ANULARE (`MemUndo`).
struct QsoSnapshot {
    QString callsign;
    QRgb callsignColour = 0;
    QString error;
    QRgb errorColour = 0;
    bool errorVisible = false;
    QString time;
    QString date;
    QString rst;
    QString code;
    QString county;
    bool newMult = false;
    bool logEnabled = false;
    bool frame2 = false;
    bool frame3 = false;
};
