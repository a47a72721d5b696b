#pragma once

#include <QString>
#include <QStringList>

/// What an export wrote: the file and its lines (for the list on the screen), or why it did not.
struct WrittenFile {
    QString path;
    QStringList lines;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
