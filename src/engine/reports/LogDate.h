#pragma once

#include "logging/LogRow.h"

#include <QDate>
#include <QList>
#include <QTime>

// The log keeps dates as "dd.mm.yy" and times as "hh:mm"; two-digit years are 2000..2099.
namespace LogDate {
/// The date of a stored "dd.mm.yy" text; invalid when the text is no such date.
QDate parseDate(const QString& text);
/// The time of a stored "hh:mm" text; invalid when the text is no such time.
QTime parseTime(const QString& text);
/// `value` in `width` digits with leading zeros (dates and times of the electronic logs).
QString digits(int value, int width);
/// The ORDER BY clause that lists LogGen rows as sortByRealDate orders them (for the grids).
QString sqlOrder();
/// Orders rows by their real date, then time, then entry order; unreadable dates come first.
void sortByRealDate(QList<LogRow>& rows);
} // namespace LogDate
