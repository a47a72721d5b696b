#pragma once

#include "screens/LaidOutTexts.h"

#include <QCache>
#include <QHash>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

// The log grid's column heads, each measured once: the columns are sized again at each contact.
// They are painted again only when the columns change.
class LogGridHeader : public QHeaderView {
public:
    explicit LogGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

    void reset() override;

protected:
    // Only highlighted heads show which column is current or selected.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

private:
    mutable QHash<QString, QSize> m_sizes;
};

// The log grid's cells: a text laid out once is painted from that layout. The grid is painted
// again at each key, and laying its texts out anew cost more than all the rest of the key. A cell
// holds plain text: no icon, check box or colour of its own.
class LogGridCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    mutable LaidOutTexts m_texts{1000};
};

// The QSO screen's log grid. Its columns are as wide as the widest text in view, measured again
// at each contact logged; laying a text out costs more than the contact's durable write, so each
// distinct text is measured once.
//
// Each row is painted once into an image, kept while the row's texts and selection, the columns'
// widths, the type and the colours stay as they are. After a contact the grid shows the stage's
// rows again, all but one of them painted before: drawing each glyph of each cell again cost
// more than all the rest of the contact.
class LogGrid : public QTableView {
public:
    explicit LogGrid(QWidget* parent = nullptr);

    int sizeHintForColumn(int column) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What every row's image depends on, besides the row's own texts and selection.
    struct Look {
        QList<int> columnWidths;
        qreal pixelRatio = 1;
        QFont font;
        qint64 palette = 0;
        QStyle::State state;
        bool operator==(const Look&) const = default;
    };
    struct RowKey {
        QStringList texts;
        QList<bool> selected;
        int height = 0;
        bool operator==(const RowKey&) const = default;
        friend size_t qHash(const RowKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.texts, key.selected, key.height);
        }
    };

    int textWidth(const QModelIndex& index, const QStyleOptionViewItem& option) const;
    QPixmap rowImage(int row, const QStyleOptionViewItem& option);
    void paintRow(QPainter& painter, int row, const QStyleOptionViewItem& option,
                  const RowKey& key) const;

    mutable QHash<QString, int> m_textWidths;
    Look m_look;
    // The rows of a few pages, the stage's and a callsign's, kept across a contact.
    QCache<RowKey, QPixmap> m_rowImages{64};
};
