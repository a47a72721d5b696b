#include "screens/reports/LogByDateModel.h"

#include "logging/Database.h"
#include "reports/LogDate.h"
#include "reports/LogReader.h"

#include <QSqlRecord>
#include <algorithm>

namespace {
constexpr int kPageRows = 128;
constexpr int kPagesKept = 8; // a few screens' worth, whatever the log's size
} // namespace

LogByDateModel::LogByDateModel(Database& logDb, QObject* parent)
    : QAbstractTableModel(parent), m_db(logDb) {}

bool LogByDateModel::show(int stage) {
    beginResetModel();
    m_pages.clear();
    m_error.clear();
    m_select = LogReader::select(QStringLiteral("*"), stage);
    const qint64 rows = LogReader(m_db).count(stage);
    m_rows = static_cast<int>(std::max<qint64>(rows, 0));
    m_columns.clear();
    if (auto header = m_db.select(m_select.sql + QStringLiteral(" LIMIT 0"), m_select.values)) {
        const QSqlRecord record = header->record();
        for (int c = 0; c < record.count(); ++c)
            m_columns << record.fieldName(c);
    }
    if (rows < 0 || m_columns.isEmpty()) {
        m_rows = 0;
        m_error = QStringLiteral("LOGUL NU POATE FI CITIT: ") + m_db.lastError();
    }
    endResetModel();
    return m_error.isEmpty();
}

LogByDateModel::Page LogByDateModel::readPage(int first, int count) const {
    // Rows past the middle are counted from the end, so that the last rows, which the grid shows
    // first, cost no more than the first ones.
    const bool fromEnd = first >= m_rows / 2;
    const int offset = fromEnd ? m_rows - first - count : first;
    QVariantList values = m_select.values;
    values << count << offset;
    Page rows;
    auto q = m_db.select(
        m_select.sql + LogDate::sqlOrder(fromEnd) + QStringLiteral(" LIMIT ? OFFSET ?"), values);
    if (!q) {
        m_error = QStringLiteral("LOGUL NU POATE FI CITIT: ") + m_db.lastError();
        return rows;
    }
    const int columns = static_cast<int>(m_columns.size());
    while (q->next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << q->value(c);
        rows << row;
    }
    if (fromEnd)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

const LogByDateModel::Page& LogByDateModel::page(int number) const {
    const auto found = m_pages.constFind(number);
    if (found != m_pages.cend())
        return *found;
    if (m_pages.size() >= kPagesKept)
        m_pages.clear();
    const int first = number * kPageRows;
    return *m_pages.insert(number, readPage(first, std::min(kPageRows, m_rows - first)));
}

qint64 LogByDateModel::idAt(int row) const {
    return data(index(row, static_cast<int>(m_columns.indexOf(QLatin1String("ID"))))).toLongLong();
}

int LogByDateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int LogByDateModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
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
    return m_columns.value(section);
}
