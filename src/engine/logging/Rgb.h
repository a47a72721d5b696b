#pragma once

/// A colour as the screen paints it.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;

    static constexpr Rgb red() { return {255, 0, 0}; }
    static constexpr Rgb green() { return {0, 255, 0}; }
    static constexpr Rgb yellow() { return {255, 255, 0}; }
    static constexpr Rgb lightGrey() { return {192, 192, 192}; }
};
