#pragma once

#include <QByteArray>
#include <QString>

/// A whole output file built in memory, or why it could not be built (then nothing is written).
struct ExportResult {
    QByteArray bytes;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static ExportResult failed(const QString& message) { return {{}, message}; }
};
