#pragma once

#include <QDate>
#include <QTime>

// The log keeps dates as "dd.mm.yy" and times as "hh:mm"; two-digit years are 2000..2099.
namespace LogDate {
/// The date of a stored "dd.mm.yy" text; invalid when the text is no such date.
QDate parseDate(const QString& text);
/// The time of a stored "hh:mm" text; invalid when the text is no such time.
QTime parseTime(const QString& text);
/// `value` in `width` digits with leading zeros (dates and times of the electronic logs).
QString digits(int value, int width);
/// The SQL expression giving a row's `Data` as "yymmdd", '' when it is no date.
QString sqlDateKey();
/// The ORDER BY clause listing LogGen rows by real date, then time, then entry order (reversed
/// when `newestFirst`); unreadable dates and times sort first. The schema's indexes serve it.
QString sqlOrder(bool newestFirst = false);
} // namespace LogDate
