#pragma once

#include <QtGlobal>

/// Contacts, points and multipliers of one stage.
struct StageTotals {
    int qsos = 0;
    qint64 points = 0;
    int multipliers = 0;
};
