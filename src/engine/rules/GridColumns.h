#pragma once

#include <array>

// Column widths of the log grids, in twips, for the 11 columns of a LogGen row in table order.
namespace GridColumns {
/// The QSO screen's or the log-view screen's grid; names instead of counties in
/// contest 11. ID is always hidden (width 0).
std::array<int, 11> columnWidths(float scaleX, bool nameExchange, bool logView);
} // namespace GridColumns
