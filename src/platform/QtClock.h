#pragma once

#include "base/seams/Clock.h"

// The PC clock.
class QtClock : public Clock {
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone zone() const override { return QTimeZone::systemTimeZone(); }
};
