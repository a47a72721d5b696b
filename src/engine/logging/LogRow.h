#pragma once

#include <QString>
#include <QVariant>

/// One `LogGen` row as it is written: every value is text.
struct LogRow {
    QString callsign;
    QString date; // `data`
    QString utc;
    QString stage; // `etp`
    QString sent;
    QString rcvd;
    QString mode;   // `md`
    QString county; // `jud`
    QString mult;
    QString points; // `pct`
    qint64 id = 0;  // `ID`, for a row read back from the log

    /// The value of column `column` in table order, `ID` first.
    QVariant value(int column) const;
};
