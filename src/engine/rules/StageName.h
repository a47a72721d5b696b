#pragma once

#include <QString>

/// The name of stage 1..4 as screens, questions and reports show it: "1A", "1B", "2A", "2B".
inline QString stageName(int stage) {
    static const char* const names[] = {"1A", "1B", "2A", "2B"};
    return stage >= 1 && stage <= 4 ? QString::fromLatin1(names[stage - 1]) : QString();
}
