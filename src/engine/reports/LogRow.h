#pragma once

#include <QString>

/// One contact of `LogGen`, every column as stored.
struct LogRow {
    qint64 id = 0;
    QString callsign;
    QString data; // "dd.mm.yy"
    QString utc;  // "hh:mm"
    QString etp;  // "1".."4"
    QString sent;
    QString rcvd;
    QString md;
    QString jud;
    QString mult;
    QString pct;
};
