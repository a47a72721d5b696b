#pragma once

#include <QString>
#include <QVariant>

/// One `LogGen` row as it is written: every value is text.
struct LogRow {
    QString callsign;
    QString data;
    QString utc;
    QString etp;
    QString sent;
    QString rcvd;
    QString md;
    QString jud;
    QString mult;
    QString pct;
    qint64 id = 0; // `ID`, for a row read back from the log

    /// The value of column `column` in table order, `ID` first.
    QVariant value(int column) const;
};
