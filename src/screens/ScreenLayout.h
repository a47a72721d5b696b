#pragma once

#include "rules/LayoutFactors.h"

#include <span>

class QTableView;
class QWidget;

// A screen laid out for the display: the Qt layouts place the controls, the factors size the
// fonts, the fixed widths and, on the smallest display, the spacings.
namespace ScreenLayout {
/// Fixes the width of `w` at `twips` design twips times `scaleX`; later layouts rescale it.
void setDesignWidth(QWidget* w, int twips, float scaleX = 1.0f);
/// The screen takes the whole display; fonts, fixed widths, margins, spacings and grid rows of
/// every control on it follow the factors.
void apply(QWidget* screen, QSize display, const LayoutFactors& f);
/// Column widths of `grid` in (already scaled) twips; 0 hides a column. A column is never
/// narrower than its caption.
void setColumnWidths(QTableView* grid, std::span<const int> twips);
/// Sets the font of `w` to `points`, bold or not, as its layout at this resolution.
void setFont(QWidget* w, int points, bool bold);
} // namespace ScreenLayout
