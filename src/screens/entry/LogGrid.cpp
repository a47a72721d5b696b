#include "screens/entry/LogGrid.h"

#include "screens/MeasuredOnce.h"

#include <QApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>

QSize LogGridHeader::sectionSizeFromContents(int logicalIndex) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    return MeasuredOnce::size(m_sizes, text,
                              [&] { return QHeaderView::sectionSizeFromContents(logicalIndex); });
}

void LogGridHeader::reset() {
    // The rows change at each contact, the columns never: the heads stay as they are painted.
    if (model() && count() == model()->columnCount(rootIndex()))
        return;
    QHeaderView::reset();
}

void LogGridHeader::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (highlightSections())
        QHeaderView::currentChanged(current, previous);
}

QRegion LogGridHeader::visualRegionForSelection(const QItemSelection& selection) const {
    return highlightSections() ? QHeaderView::visualRegionForSelection(selection) : QRegion();
}

void LogGridHeader::changeEvent(QEvent* event) {
    if (MeasuredOnce::changesTextSizes(event))
        m_sizes.clear();
    QHeaderView::changeEvent(event);
}

void LogGridCells::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : option.state & QStyle::State_Active   ? QPalette::Normal
                                                                               : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    const QString text = index.data().toString();
    if (text.isEmpty())
        return;
    if (option.font != m_font) {
        m_texts.clear();
        m_font = option.font;
    }
    const QStaticText& laid = MeasuredOnce::size(m_texts, text, [&] {
        QStaticText t(text);
        t.setTextFormat(Qt::PlainText);
        t.prepare(QTransform(), m_font);
        return t;
    });
    // Where the style puts a cell's text: past its focus margin, centred in the row's height.
    const QWidget* view = option.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QPointF at(option.rect.left() + margin,
                     option.rect.top() + (option.rect.height() - laid.size().height()) / 2);
    // The painter's state is left for the next cell: each cell sets all it uses.
    if (painter->font() != m_font)
        painter->setFont(m_font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (at.x() + laid.size().width() <= option.rect.right() + 1) {
        painter->drawStaticText(at, laid);
        return;
    }
    painter->save();
    painter->setClipRect(option.rect);
    painter->drawStaticText(at, laid);
    painter->restore();
}

LogGrid::LogGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new LogGridCells(this));
    // As QTableView sets up its own head, but a whole row is selected: every column would be
    // highlighted, and painted again at each selection.
    auto* header = new LogGridHeader(this);
    header->setSectionsClickable(true);
    setHorizontalHeader(header);
    // A row's place in the rows read is no number of the operator's.
    verticalHeader()->hide();
    setShowGrid(false); // drawn by paintEvent
    // The stage's rows have one, a callsign's few rows none: coming and going at each contact,
    // it would narrow the grid and have it laid out and painted whole again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void LogGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    // The lines between the cells as fills one pixel wide: the table strokes them with a pen,
    // pixel by pixel, which cost as much as painting all the texts.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor color = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    const QHeaderView* rows = verticalHeader();
    const QHeaderView* columns = horizontalHeader();
    // As the table draws them: within the cells, not beside or below them.
    const QRect dirty = event->rect().intersected(
        QRect(0, 0, columns->length() - columns->offset(), rows->length() - rows->offset()));
    if (dirty.isEmpty())
        return;
    QPainter painter(viewport());
    for (int v = rows->visualIndexAt(dirty.top()); v >= 0 && v < rows->count(); ++v) {
        const int row = rows->logicalIndex(v);
        if (rows->isSectionHidden(row))
            continue;
        const int top = rowViewportPosition(row);
        if (top > dirty.bottom())
            break;
        painter.fillRect(dirty.left(), top + rowHeight(row) - 1, dirty.width(), 1, color);
    }
    for (int v = columns->visualIndexAt(dirty.left()); v >= 0 && v < columns->count(); ++v) {
        const int column = columns->logicalIndex(v);
        if (columns->isSectionHidden(column))
            continue;
        const int left = columnViewportPosition(column);
        if (left > dirty.right())
            break;
        painter.fillRect(left + columnWidth(column) - 1, dirty.top(), 1, dirty.height(), color);
    }
}

int LogGrid::sizeHintForColumn(int column) const {
    if (!model())
        return -1;
    ensurePolished();
    // The rows in view, as QTableView measures them with a resize precision of 0.
    const QHeaderView* rows = verticalHeader();
    const int top = std::max(0, rows->visualIndexAt(0));
    int bottom = rows->visualIndexAt(viewport()->height());
    if (!isVisible() || bottom == -1)
        bottom = model()->rowCount(rootIndex()) - 1;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = 0;
    for (int row = top; row <= bottom; ++row) {
        const int logical = rows->logicalIndex(row);
        if (!rows->isSectionHidden(logical))
            widest =
                std::max(widest, textWidth(model()->index(logical, column, rootIndex()), option));
    }
    return widest + 1; // the line beside the cell
}

int LogGrid::textWidth(const QModelIndex& index, const QStyleOptionViewItem& option) const {
    // The grid's cells differ only by their text: no font, colour or icon of their own.
    const QString text = index.data().toString();
    return MeasuredOnce::size(m_textWidths, text, [&] {
        return itemDelegateForIndex(index)->sizeHint(option, index).width();
    });
}

void LogGrid::changeEvent(QEvent* event) {
    if (MeasuredOnce::changesTextSizes(event))
        m_textWidths.clear();
    QTableView::changeEvent(event);
}
