#pragma once

#include "store/LogRow.h"

#include <QDate>
#include <QTime>

/// The date and time of a row, checked before the row enters an electronic log.
struct CheckedStamp {
    QDate date;
    QTime time;
    QString error; // the operator's message when the date or the time is not valid

    /// Checks the row's date, then its time, as their fixed-width fields hold them.
    static CheckedStamp of(const LogRow& row);
};
