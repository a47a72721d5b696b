#pragma once

#include <QDateTime>
#include <QTimeZone>

// The system clock: UTC and the system's time zone. The log keeps UTC, so a contact's time never
// depends on an offset typed by hand.
class Clock {
public:
    virtual ~Clock() = default;
    /// The current date and time in UTC.
    virtual QDateTime utcNow() const = 0;
    /// The system's time zone.
    virtual QTimeZone zone() const = 0;
    /// The current local date and time.
    QDateTime now() const { return utcNow().toTimeZone(zone()); }
    /// Local time minus UTC now, in seconds.
    int utcOffsetSeconds() const { return zone().offsetFromUtc(utcNow()); }
};
