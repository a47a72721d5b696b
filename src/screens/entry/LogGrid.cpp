#include "screens/entry/LogGrid.h"

#include "screens/MeasuredOnce.h"

#include <QHeaderView>

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

LogGrid::LogGrid(QWidget* parent) : QTableView(parent) {
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
