#pragma once

#include "base/seams/Clock.h"

#include <utility>

// A clock that stands still until the test moves it; its zone is the one `current` is given in.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime t = QDateTime(QDate(2026, 3, 1), QTime(14, 5), Qt::UTC))
        : current(std::move(t)) {}
    QDateTime utcNow() const override { return current.toUTC(); }
    QTimeZone zone() const override { return current.timeZone(); }
    QDateTime current;
};
