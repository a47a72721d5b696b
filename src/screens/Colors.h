#pragma once

#include <QRgb>

// The colours the operator reads state from.
namespace Colors {
constexpr QRgb kGreen = 0x00FF00;     // not yet worked, new station, sending
constexpr QRgb kRed = 0xFF0000;       // duplicate, sent
constexpr QRgb kMagenta = 0x800080;   // chosen stage or mode
constexpr QRgb kLightGrey = 0xC0C0C0; // worked, not chosen
constexpr QRgb kYellow = 0xFFFF00;    // off-line date and time
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kLightCyan = 0xC0FFFF; // the voice repeat has ended
constexpr QRgb kBlue = 0x0000FF;      // a message waiting for the one being sent
} // namespace Colors
