#include "rules/GridColumns.h"

#include <cmath>

namespace GridColumns {

namespace {
using Widths = std::array<int, 11>;
// ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct, in design twips. Type is never
// scaled below its smallest readable size, so the set for smaller factors is relatively wider;
// larger type needs a little more room for the exchange than the factor gives.
constexpr Widths kDesign{0, 1000, 880, 600, 350, 1100, 1100, 400, 400, 400, 350};
constexpr Widths kSmaller{0, 1100, 1000, 700, 400, 1250, 1250, 450, 450, 450, 400};
constexpr Widths kLarger{0, 1000, 900, 600, 350, 1200, 1200, 400, 400, 400, 350};
constexpr Widths kLogView{0, 1200, 1000, 700, 400, 1300, 1300, 500, 500, 500, 450};
} // namespace

std::array<int, 11> columnWidths(float scaleX, bool nameExchange, bool logView) {
    Widths w = logView ? kLogView : scaleX < 1.0f ? kSmaller : scaleX > 1.0f ? kLarger : kDesign;
    if (nameExchange) {
        w[5] = w[6] = logView ? 1300 : 1400;
        w[8] = w[9] = 0;
    }
    for (int& x : w)
        x = static_cast<int>(std::lround(x * scaleX));
    return w;
}

} // namespace GridColumns
