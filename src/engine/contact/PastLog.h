#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// A station heard in a past log: its callsign, the county word it sent and when.
struct HeardStation {
    QString callsign;
    QString county; // the word read as its county, empty when none; may be one never learnt
    QString stamp;  // "yyyyMMddhhmm", so that texts compare as times do; empty: older than any
};

/// What one past log file gives: its stations, or why it is refused whole.
struct PastLogFile {
    QString name; // the file name as shown to the operator
    QList<HeardStation> heard;
    QStringList countyFields; // ADIF: the fields the counties were read from
    QStringList known;        // a list of known callsigns: its callsigns, which carry no county
    QString refusal;          // why nothing of the file is used; empty when it is read
};

// Past contest logs as the program and other loggers write them, Cabrillo 2.0 and 3.0 and ADIF,
// and what contest operators exchange: call histories ("callsign,county" a line) and lists of
// known callsigns (one a line), both with "#" comments.
namespace PastLog {
/// The largest file read; anything larger is no log.
constexpr qint64 kMaxBytes = 200LL * 1024 * 1024;
/// The text of a file: UTF-16 or UTF-8 when it starts with their byte-order mark, UTF-8 when the
/// bytes are valid UTF-8, else Windows-1250.
QString decode(const QByteArray& bytes);
/// Reads the log `bytes` of the file named `name`.
PastLogFile parse(const QString& name, const QByteArray& bytes);
/// Reads the log file at `path`; refuses anything but a regular file of at most kMaxBytes.
PastLogFile read(const QString& path);
} // namespace PastLog
