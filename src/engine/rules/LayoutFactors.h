#pragma once

#include <QSize>

/// The layout routine a screen runs for a display resolution.
enum class LayoutRoutine { None, Small, Large, LargeLcd }; // 640 x 480; 1024 x 768; LCD 1280 x 1024

/// Layout factors for one display: design coordinates (800 x 600) times the factors.
struct LayoutFactors {
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    LayoutRoutine routine = LayoutRoutine::None;
    bool supported = true; // false: the resolution message is shown, the design layout kept

    /// The factors for a display of `size` pixels.
    static LayoutFactors forDisplay(QSize size);
};

inline const char* const kResolutionMessage =
    "Rezolutie incorecta! Folositi urmatoarea rezolutie : 640x480 sau 800x600 sau 1024x768 sau "
    "1280x1024 pt monitor LCD";
