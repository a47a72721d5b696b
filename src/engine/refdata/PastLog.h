#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// A station heard in a past log: its callsign, the county word it sent and when.
struct HeardStation {
    QString callsign;
    QString county; // the word read as its county; may be one that is never learnt
    QString stamp;  // "yyyyMMddhhmm", so that texts compare as times do
};

/// What one past log file gives: its stations, or why it is refused whole.
struct PastLogFile {
    QString name; // the file name as shown to the operator
    QList<HeardStation> heard;
    int withoutCounty = 0;    // contacts whose record holds no county field
    QStringList countyFields; // ADIF: the fields the counties were read from
    QString refusal;          // why nothing of the file is used; empty when it is read
};

// Past contest logs as the program and other loggers write them: Cabrillo 2.0 and 3.0, and ADIF.
namespace PastLog {
/// The text of a file: UTF-8 when the bytes are valid UTF-8, else Windows-1250.
QString decode(const QByteArray& bytes);
/// Reads the log `bytes` of the file named `name`.
PastLogFile parse(const QString& name, const QByteArray& bytes);
/// Reads the log file at `path`.
PastLogFile read(const QString& path);
} // namespace PastLog
