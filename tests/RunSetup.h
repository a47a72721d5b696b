#pragma once

#include "rules/ContestRun.h"

#include <functional>

// The hand-over a run was begun with.
inline HandOver handOverOf(const ContestRun& run) {
    HandOver h;
    h.settings = run.settings();
    h.keyer = run.keyer();
    h.offLine = run.offLine();
    h.startCode = run.startCode();
    h.startDate = run.startDate();
    h.startTime = run.startTime();
    return h;
}

// Begins the run again with what `change` alters, as the set-up screen would hand it over.
inline void changeRun(ContestRun& run, const std::function<void(HandOver&)>& change) {
    HandOver h = handOverOf(run);
    change(h);
    run.begin(h);
}
