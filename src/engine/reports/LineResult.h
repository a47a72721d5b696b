#pragma once

#include <QString>

/// One line of an output file, or why the row cannot be written.
struct LineResult {
    QString line;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
