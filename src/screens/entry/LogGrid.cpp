#include "screens/entry/LogGrid.h"

#include "screens/MeasuredOnce.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>

QSize LogGridHeader::sectionSizeFromContents(int logicalIndex) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    return MeasuredOnce::size(m_sizes, text,
                              [&] { return QHeaderView::sectionSizeFromContents(logicalIndex); });
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
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(m_font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(
        QPointF(option.rect.left() + margin,
                option.rect.top() + (option.rect.height() - laid.size().height()) / 2),
        laid);
    painter->restore();
}

LogGrid::LogGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new LogGridCells(this));
    // As QTableView sets up its own head.
    auto* header = new LogGridHeader(this);
    header->setSectionsClickable(true);
    header->setHighlightSections(true);
    setHorizontalHeader(header);
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
    return showGrid() ? widest + 1 : widest;
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
