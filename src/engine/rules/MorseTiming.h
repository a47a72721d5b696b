#pragma once

#include "rules/CwMessage.h"
#include "rules/CwWeight.h"

#include <QString>

/// The two units of the keyer, in timer ticks of 1/18.2 s.
struct MorseUnits {
    float elementUnit = 0; // one dot, and the space inside a character
    float gapUnit = 0;     // the gap after a character is 3 of these
};

// Turns CW text into key-line intervals by the keyer's unit rules. Every interval is rounded to
// whole milliseconds on its own, as the keyer has always timed them.
namespace MorseTiming {
constexpr int kMinSpeed = 10;
constexpr int kMaxSpeed = 40;
constexpr int kOpeningSpeed = 30;
/// Lowest speed a "<" inside a message can reach; below it the units would be unbounded.
constexpr int kMinMessageSpeed = 5;

/// Units at the start of a message: low-speed corrections, characters formed at 13 wpm or faster.
MorseUnits unitsForMessage(int speed);
/// Units after ">" or "<" inside a message: no low-speed corrections.
MorseUnits unitsAfterSpeedChange(int speed);
/// Whole milliseconds for a number of ticks.
int toMs(double ticks);
/// The intervals of `text` (already expanded) sent from `speed`, ending with a word space.
CwMessage steps(const QString& text, int speed, CwWeight weight);
/// PageUp (`up`) or PageDown: 2 wpm faster or slower, kept within 10..40.
int stepSpeed(int speed, bool up);
/// The speed label's text for a speed.
QString wpmCaption(int speed);
} // namespace MorseTiming
