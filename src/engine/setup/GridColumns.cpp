#include "setup/GridColumns.h"

#include <cmath>

namespace GridColumns {

std::array<int, 11> ColGrid(float scaleX, bool nameExchange, bool logView) {
    // ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct at 800 x 600.
    std::array<int, 11> w{0, 1000, 880, 600, 350, 1100, 1100, 400, 400, 400, 350};
    if (logView)
        w = {0, 1200, 1000, 700, 400, 1300, 1300, 500, 500, 500, 450};
    if (nameExchange) {
        w[5] = w[6] = logView ? 1300 : 1400;
        w[8] = w[9] = 0;
    }
    for (int& x : w)
        x = static_cast<int>(std::lround(x * scaleX));
    return w;
}

} // namespace GridColumns
