#pragma once

#include "store/LogRow.h"

#include <QString>

/// A log row copied into the fixed-width fields every export reads (cut or padded on the right).
struct RowBuffer {
    QString callsign; // 10, or the whole callsign and a blank: a callsign is never cut
    QString date;     // 10
    QString time;     // 6
    QString stage;    // as stored
    QString sent;     // 18
    QString received; // 18
    QString mode;     // 4
    QString mult;     // 5
    QString points;   // 3

    explicit RowBuffer(const LogRow& row);
};

/// `text` left-aligned in `width` characters: padded with blanks or cut.
QString fit(const QString& text, int width);
/// `text` left-aligned in a column of `width` characters, widened to the text and one blank when
/// it does not fit: for values that must never be cut.
QString column(const QString& text, int width);
/// Appends fit(`text`, `width`) to `out`.
void appendFit(QString& out, QStringView text, int width);
/// Appends column(`text`, `width`) to `out`.
void appendColumn(QString& out, QStringView text, int width);
