#include "services/radio/Bands.h"

#include <array>

namespace Bands {
namespace {
struct Band {
    int metres;
    qint64 lowHz;
    qint64 highHz;
};

// The edges logbook programs read a band's name from.
constexpr std::array<Band, 13> kBands{{{160, 1'800'000, 2'000'000},
                                       {80, 3'500'000, 4'000'000},
                                       {60, 5'060'000, 5'450'000},
                                       {40, 7'000'000, 7'300'000},
                                       {30, 10'100'000, 10'150'000},
                                       {20, 14'000'000, 14'350'000},
                                       {17, 18'068'000, 18'168'000},
                                       {15, 21'000'000, 21'450'000},
                                       {12, 24'890'000, 24'990'000},
                                       {10, 28'000'000, 29'700'000},
                                       {6, 50'000'000, 54'000'000},
                                       {4, 70'000'000, 71'000'000},
                                       {2, 144'000'000, 148'000'000}}};
} // namespace

std::optional<int> metresOf(qint64 hz) {
    for (const Band& b : kBands)
        if (hz >= b.lowHz && hz <= b.highHz)
            return b.metres;
    return std::nullopt;
}

int lowerEdgeKhz(int metres) {
    for (const Band& b : kBands)
        if (b.metres == metres)
            return static_cast<int>(b.lowHz / 1000);
    return 0;
}
} // namespace Bands
