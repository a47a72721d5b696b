#pragma once

#include "logging/ContactEngine.h"
#include "logging/QsoContact.h"

#include <QRgb>
#include <QString>
#include <optional>

/// The entry as the abort found it, kept for REC&UP.DUPA ANULARE (`MemUndo`).
struct QsoSnapshot {
    QsoContact contact;
    std::optional<CorrectionTarget> correction; // the abort left a correction of this row
    QRgb callsignColour = 0;
    QString error;
    QRgb errorColour = 0;
    bool errorVisible = false;
    bool newMult = false;
    bool logEnabled = false;
    bool frame2 = false;
    bool frame3 = false;
};
