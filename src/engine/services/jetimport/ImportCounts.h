#pragma once

#include <QString>
#include <QStringList>

/// What copying one table did.
struct ImportCounts {
    static constexpr int kReasonsKept = 5;

    int read = 0;
    int imported = 0;
    int present = 0;     // skipped: the callsign was already there
    int differed = 0;    // of those, how many held other values than the ones kept
    int invalid = 0;     // skipped: no usable callsign
    QStringList reasons; // the first few skipped rows, why

    /// The counts as the operator reads them, in Romanian.
    QString describe() const;
};
