#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>
#include <utility>

class Clock;

// The one date parser and the one time parser of every screen, with the formats the log keeps.
namespace DateTimeText {
/// A calendar date from "dd.mm.yy" and the usual variants: four-digit year, one-digit day or
/// month, "/" or "-" separators. Two-digit years are 2000..2099.
std::optional<QDate> parseDate(const QString& text);
/// A time of day from "hh:mm" and its variants: one-digit hour, "hhmm", "hh.mm", seconds.
std::optional<QTime> parseTime(const QString& text);
/// "dd.mm.yy".
QString formatDate(QDate date);
/// "hh:mm".
QString formatTime(QTime time);
/// The UTC date "dd.mm.yy" and time "hh:mm" of the clock now.
std::pair<QString, QString> utcDateAndTime(const Clock& clock);
} // namespace DateTimeText
