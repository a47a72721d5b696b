#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The log keeps dates as "dd.mm.yy" and times as "hh:mm"; two-digit years are 2000..2099.
namespace LogDate {
/// The date of a stored "dd.mm.yy" text; invalid when the text is no such date.
QDate parseDate(QStringView text);
/// The time of a stored "hh:mm" text; invalid when the text is no such time.
QTime parseTime(QStringView text);
/// Appends `value` in `width` digits with leading zeros to `out` (dates and times of the
/// electronic logs).
void appendDigits(QString& out, int value, int width);
/// Appends the decimal digits of `value` (not negative) to `out`.
void appendNumber(QString& out, qint64 value);
/// The SQL expression giving a row's `Data` as "yymmdd", '' when it is no date.
QString sqlDateKey();
/// The ORDER BY clause listing LogGen rows by real date, then time, then entry order (reversed
/// when `newestFirst`); unreadable dates and times sort first. The schema's indexes serve it.
QString sqlOrder(bool newestFirst = false);
} // namespace LogDate
