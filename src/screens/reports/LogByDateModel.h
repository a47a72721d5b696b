#pragma once

#include "base/Outcome.h"
#include "store/LogRow.h"

#include <QAbstractTableModel>
#include <QHash>

class Database;

/// The log grid's rows by real date, read a page at a time as the grid shows them, so that a log
/// of any size costs the same to show; pages near the end are read from the end.
class LogByDateModel : public QAbstractTableModel {
public:
    explicit LogByDateModel(Database& logDb, QObject* parent = nullptr);

    /// Shows the whole log (stage 0) or stage 1..4, or says why it cannot be read.
    Outcome<void> show(int stage);
    /// The `ID` of the contact in `row`.
    qint64 idAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    using Page = QList<LogRow>;
    const Page& page(int number) const;

    Database& m_db;
    int m_stage = 0;
    int m_rows = 0;
    mutable QHash<int, Page> m_pages;
    mutable QString m_pageError; // the last page that could not be read
};
