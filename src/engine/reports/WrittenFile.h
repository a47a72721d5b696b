#pragma once

#include "reports/FileExcerpt.h"

#include <QString>

/// What an export wrote: the file and its lines as the screen lists them, or why it did not.
struct WrittenFile {
    QString path;
    FileExcerpt lines;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
