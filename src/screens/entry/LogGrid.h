#pragma once

#include <QHash>
#include <QTableView>

// The QSO screen's log grid. Its columns are as wide as the widest text in view, measured again
// at each contact logged; laying a text out costs more than the contact's durable write, so each
// distinct text is measured once.
class LogGrid : public QTableView {
public:
    using QTableView::QTableView;

    int sizeHintForColumn(int column) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    int textWidth(const QModelIndex& index, const QStyleOptionViewItem& option) const;

    mutable QHash<QString, int> m_textWidths;
};
