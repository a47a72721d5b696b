#pragma once

#include "services/keyer/KeyingResult.h"

#include <QString>

// How a message ended, by its name, for the tables of the keyers.
inline QString keyingResultName(KeyingResult result) {
    static const char* const names[] = {
        "Started", "Done", "Aborted", "PortError", "Busy", "DoneWithoutKeying", "MissingRecording"};
    return QLatin1String(names[int(result)]);
}
