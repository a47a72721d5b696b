#pragma once

#include <QDateTime>

// The PC's local date and time; UTC is derived from it with the station's offset.
class Clock {
public:
    virtual ~Clock() = default;
    /// The current local date and time.
    virtual QDateTime now() const = 0;
};
