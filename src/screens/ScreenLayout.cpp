#include "screens/ScreenLayout.h"

#include "screens/Widgets.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLayout>
#include <QTableView>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
// Each object keeps its design values the first time a layout touches it, so that a layout
// always starts from the design and never scales twice.
const char* const kDesignPoints = "designPoints";
const char* const kDesignTwips = "designTwips";
const char* const kDesignMargins = "designMargins";
const char* const kDesignSpacing = "designSpacing";

// Smaller type is no longer readable on a monitor.
constexpr qreal kSmallestPoints = 7.0;

// Margins and spacings of every layout, per layout routine, in pixels; -1 keeps the design.
struct Spacing {
    LayoutRoutine routine;
    int margin;
    int spacing;
};
constexpr Spacing kSpacings[] = {
    {LayoutRoutine::None, -1, -1},
    {LayoutRoutine::Small, 1, 1},
    {LayoutRoutine::Large, -1, -1},
    {LayoutRoutine::LargeLcd, -1, -1},
};

Spacing spacingFor(LayoutRoutine routine) {
    for (const Spacing& s : kSpacings)
        if (s.routine == routine)
            return s;
    return kSpacings[0];
}

void rememberFont(QWidget* w) {
    if (!w->property(kDesignPoints).isValid())
        w->setProperty(kDesignPoints, w->font().pointSizeF());
}

void scaleFont(QWidget* w, float factor) {
    const qreal design = w->property(kDesignPoints).toReal();
    if (design <= 0) // a font sized in pixels stays as it is
        return;
    QFont f = w->font();
    f.setPointSizeF(std::max(kSmallestPoints, std::round(design * factor * 2) / 2));
    w->setFont(f);
}

int tighter(int design, int limit) {
    if (limit < 0)
        return design;
    return design < 0 ? limit : std::min(design, limit);
}

void tighten(QLayout* l, const Spacing& s) {
    auto* grid = qobject_cast<QGridLayout*>(l);
    if (!l->property(kDesignMargins).isValid()) {
        l->setProperty(kDesignMargins, QVariant::fromValue(l->contentsMargins()));
        l->setProperty(kDesignSpacing,
                       grid ? QSize(grid->horizontalSpacing(), grid->verticalSpacing())
                            : QSize(l->spacing(), l->spacing()));
    }
    const auto m = l->property(kDesignMargins).value<QMargins>();
    l->setContentsMargins(tighter(m.left(), s.margin), tighter(m.top(), s.margin),
                          tighter(m.right(), s.margin), tighter(m.bottom(), s.margin));
    const QSize spacing = l->property(kDesignSpacing).toSize();
    if (grid) {
        grid->setHorizontalSpacing(tighter(spacing.width(), s.spacing));
        grid->setVerticalSpacing(tighter(spacing.height(), s.spacing));
    } else {
        l->setSpacing(tighter(spacing.width(), s.spacing));
    }
}

// The width of the column's widest text on screen (QTableView hides its own answer).
int contentWidth(const QAbstractItemView* grid, int column) {
    return grid->sizeHintForColumn(column);
}
} // namespace

namespace ScreenLayout {

void setDesignWidth(QWidget* w, int twips, float scaleX) {
    w->setProperty(kDesignTwips, twips);
    w->setFixedWidth(Widgets::twips(twips, scaleX));
}

void apply(QWidget* screen, QSize display, const LayoutFactors& f) {
    QList<QWidget*> widgets = screen->findChildren<QWidget*>();
    widgets << screen;
    // All design fonts first: a parent's new font would otherwise pass to children not yet seen.
    for (QWidget* w : widgets)
        rememberFont(w);
    const float fontFactor = std::min(f.scaleX, f.scaleY);
    for (QWidget* w : widgets) {
        scaleFont(w, fontFactor);
        const QVariant twips = w->property(kDesignTwips);
        if (twips.isValid())
            w->setFixedWidth(Widgets::twips(twips.toInt(), f.scaleX));
    }
    const Spacing s = spacingFor(f.routine);
    for (QLayout* l : screen->findChildren<QLayout*>())
        if (l != screen->layout()) // the main window's own frame of menu bar and centre
            tighten(l, s);
    for (QTableView* t : screen->findChildren<QTableView*>())
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    screen->resize(display);
    screen->move((display.width() - screen->width()) / 2,
                 (display.height() - screen->height()) / 2);
}

void setColumnWidths(QTableView* grid, std::span<const int> twips) {
    const int columns = grid->model() ? grid->model()->columnCount() : 0;
    for (int c = 0; c < static_cast<int>(twips.size()) && c < columns; ++c) {
        grid->setColumnHidden(c, twips[c] == 0);
        // Never narrower than the widest text the column shows: at a small display the
        // design width would cut a county or a mode to "C...".
        if (twips[c] > 0)
            grid->setColumnWidth(
                c, std::max({Widgets::twips(twips[c]), grid->horizontalHeader()->sectionSizeHint(c),
                             contentWidth(grid, c)}));
    }
}

void setFont(QWidget* w, int points, bool bold) {
    QFont f = w->font();
    f.setPointSize(points);
    f.setBold(bold);
    w->setFont(f);
}

} // namespace ScreenLayout
