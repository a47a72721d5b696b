#pragma once

#include <QHash>
#include <QHeaderView>
#include <QTableView>

// The log grid's column heads, each measured once: the columns are sized again at each contact.
class LogGridHeader : public QHeaderView {
public:
    explicit LogGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

private:
    mutable QHash<QString, QSize> m_sizes;
};

// The QSO screen's log grid. Its columns are as wide as the widest text in view, measured again
// at each contact logged; laying a text out costs more than the contact's durable write, so each
// distinct text is measured once.
class LogGrid : public QTableView {
public:
    explicit LogGrid(QWidget* parent = nullptr);

    int sizeHintForColumn(int column) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    int textWidth(const QModelIndex& index, const QStyleOptionViewItem& option) const;

    mutable QHash<QString, int> m_textWidths;
};
