#pragma once

#include "store/Database.h"

#include <QtGlobal>

// Runs a statement a benchmark depends on; a failure ends the program, since a figure measured
// on a half-filled log would mislead.
inline void mustExec(Database& db, const QString& sql, const QVariantList& values = {}) {
    if (const Outcome<void> done = db.exec(sql, values); !done)
        qFatal("%s", qPrintable(done.error()));
}
