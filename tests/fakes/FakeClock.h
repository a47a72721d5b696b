#pragma once

#include "seams/Clock.h"

// A clock that stands still until the test moves it.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime t = QDateTime(QDate(2026, 3, 1), QTime(14, 5))) : current(t) {}
    QDateTime now() const override { return current; }
    QDateTime current;
};
