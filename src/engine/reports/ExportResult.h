#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A whole output file built in memory, or why it could not be built (then nothing is written).
struct ExportResult {
    QByteArray bytes;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static ExportResult failed(const QString& message) { return {{}, message}; }
    /// The Windows-1250 text file of `lines`, refused when a line holds a character the code page
    /// cannot hold (never replaced silently).
    static ExportResult textFile(const QStringList& lines);
};
