#pragma once

#include "store/Database.h"

#include <QtGlobal>

// A step a benchmark depends on; a failure ends the program, since a figure measured on a
// half-filled log would mislead.
inline void mustSucceed(const Outcome<void>& done) {
    if (!done)
        qFatal("%s", qPrintable(done.error()));
}

// Runs a statement a benchmark depends on.
inline void mustExec(Database& db, const QString& sql, const QVariantList& values = {}) {
    mustSucceed(db.exec(sql, values));
}
