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
    const LaidOutTexts::Laid& laid = m_texts.laid(option.font, text);
    // Where the style puts a cell's text: past its focus margin, centred in the row's height.
    const QWidget* view = option.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QPointF at(option.rect.left() + margin,
                     option.rect.top() + (option.rect.height() - laid.height) / 2);
    // The painter's state is left for the next cell: each cell sets all it uses.
    if (painter->font() != option.font)
        painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    LaidOutTexts::draw(painter, at, laid, option.rect);
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
    setShowGrid(false); // drawn with each row
    // The stage's rows have one, a callsign's few rows none: coming and going at each contact,
    // it would narrow the grid and have it laid out and painted whole again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void LogGrid::paintEvent(QPaintEvent* event) {
    if (!model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QHeaderView* rows = verticalHeader();
    const QHeaderView* columns = horizontalHeader();
    Look look{
        {}, viewport()->devicePixelRatio(), option.font, option.palette.cacheKey(), option.state};
    for (int c = 0; c < columns->count(); ++c)
        look.columnWidths << columns->sectionSize(c);
    if (look != m_look) {
        m_rowImages.clear();
        m_look = look;
    }
    const QRect dirty = event->rect();
    QPainter painter(viewport());
    for (int v = rows->visualIndexAt(dirty.top()); v >= 0 && v < rows->count(); ++v) {
        const int row = rows->logicalIndex(v);
        if (rows->isSectionHidden(row))
            continue;
        const int top = rowViewportPosition(row);
        if (top > dirty.bottom())
            break;
        painter.drawPixmap(-columns->offset(), top, rowImage(row, option));
    }
}

QPixmap LogGrid::rowImage(int row, const QStyleOptionViewItem& option) {
    const QAbstractItemModel* cells = model();
    const QItemSelectionModel* selection = selectionModel();
    const QModelIndex root = rootIndex();
    const int columns = cells->columnCount(root);
    RowKey key{{}, {}, rowHeight(row)};
    key.texts.reserve(columns);
    key.selected.reserve(columns);
    for (int c = 0; c < columns; ++c) {
        const QModelIndex index = cells->index(row, c, root);
        key.texts << cells->data(index).toString();
        key.selected << (selection && selection->isSelected(index));
    }
    if (const QPixmap* known = m_rowImages.object(key))
        return *known;
    const qreal ratio = m_look.pixelRatio;
    QPixmap image(QSize(horizontalHeader()->length(), key.height) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(viewport()->palette().color(viewport()->backgroundRole()));
    QPainter painter(&image);
    paintRow(painter, row, option, key);
    painter.end();
    m_rowImages.insert(key, new QPixmap(image));
    return image;
}

// A row's cells as the table paints them with its grid shown: each cell short of the lines
// after and below it.
void LogGrid::paintRow(QPainter& painter, int row, const QStyleOptionViewItem& option,
                       const RowKey& key) const {
    const QHeaderView* columns = horizontalHeader();
    const int height = key.height;
    const QColor line = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    for (int c = 0; c < columns->count(); ++c) {
        if (columns->isSectionHidden(c))
            continue;
        const QModelIndex index = model()->index(row, c, rootIndex());
        const int left = columns->sectionPosition(c);
        const int width = columns->sectionSize(c);
        QStyleOptionViewItem cell = option;
        cell.rect = QRect(left, 0, width - 1, height - 1);
        if (key.selected.value(c))
            cell.state |= QStyle::State_Selected;
        if (!(index.flags() & Qt::ItemIsEnabled))
            cell.state &= ~QStyle::State_Enabled;
        itemDelegateForIndex(index)->paint(&painter, cell, index);
        painter.fillRect(left + width - 1, 0, 1, height, line);
    }
    painter.fillRect(0, height - 1, columns->length(), 1, line);
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
