#include "screens/reports/LogByDateModel.h"

#include "store/LogStore.h"

#include <algorithm>

namespace {
constexpr int kPageRows = 128;
constexpr int kPagesKept = 8; // a few screens' worth, whatever the log's size
} // namespace

LogByDateModel::LogByDateModel(Database& logDb, QObject* parent)
    : QAbstractTableModel(parent), m_db(logDb) {}

Outcome<void> LogByDateModel::show(int stage) {
    beginResetModel();
    m_pages.clear();
    m_pageError.clear();
    m_stage = stage;
    const Outcome<qint64> rows = LogStore(m_db).count(stage);
    m_rows = rows ? static_cast<int>(*rows) : 0;
    endResetModel();
    if (!rows)
        return Failure{rows.error()};
    if (!m_pageError.isEmpty())
        return Failure{m_pageError};
    return {};
}

const LogByDateModel::Page& LogByDateModel::page(int number) const {
    const auto found = m_pages.constFind(number);
    if (found != m_pages.cend())
        return *found;
    if (m_pages.size() >= kPagesKept)
        m_pages.clear();
    const int first = number * kPageRows;
    Outcome<Page> rows =
        LogStore(m_db).datePage(m_stage, first, std::min(kPageRows, m_rows - first), m_rows);
    if (!rows)
        m_pageError = rows.error();
    return *m_pages.insert(number, rows ? *std::move(rows) : Page());
}

qint64 LogByDateModel::idAt(int row) const {
    const Page& rows = page(row / kPageRows);
    return row % kPageRows < rows.size() ? rows[row % kPageRows].id : 0;
}

int LogByDateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int LogByDateModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(LogStore::columnNames().size());
}

QVariant LogByDateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Page& rows = page(index.row() / kPageRows);
    const int inPage = index.row() % kPageRows;
    if (inPage >= rows.size())
        return {};
    return rows[inPage].value(index.column());
}

QVariant LogByDateModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return LogStore::columnNames().value(section);
}
