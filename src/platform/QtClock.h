#pragma once

#include "seams/Clock.h"

// The PC clock.
class QtClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
