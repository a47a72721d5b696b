#pragma once

#include <QSize>

// The display the screens are laid out for.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    /// Display size in pixels.
    virtual QSize displaySize() const = 0;
};
