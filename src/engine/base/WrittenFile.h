#pragma once

#include "base/FileExcerpt.h"

#include <QString>

/// What an export wrote: the file and its lines as the screen lists them.
struct WrittenFile {
    QString path;
    FileExcerpt lines;
};
