#include "screens/entry/LogWindowModel.h"

#include <algorithm>

namespace {
constexpr int kPage = 100;

Failure unreadable(const QString& reason) {
    return Failure{QStringLiteral("Logul nu poate fi citit: %1.").arg(reason)};
}
} // namespace

LogWindowModel::LogWindowModel(Database& log, QObject* parent)
    : QAbstractTableModel(parent), m_store(log) {}

void LogWindowModel::reset(QList<LogRow> rows, bool moreLeft) {
    m_moreLeft = moreLeft;
    // The same rows again (a callsign typed on that still matches the same contacts): the grid
    // is not painted again.
    if (rows == m_rows)
        return;
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

Outcome<void> LogWindowModel::showStage(int stage, int rows, int logChanges) {
    const int newest = std::clamp(rows, 1, kPage);
    Outcome<std::optional<StageRows>> kept = std::optional<StageRows>();
    if (m_kept && m_kept->stage == stage && m_kept->logChanges == logChanges)
        kept = keptWithAdded(newest);
    if (!kept)
        return unreadable(kept.error());
    Outcome<StageRows> page = *kept ? Outcome<StageRows>(**kept) : newestRows(stage, newest);
    if (!page)
        return unreadable(page.error());
    m_searching = false;
    m_stage = stage;
    m_kept = KeptStage{stage, logChanges, *page};
    reset(page->rows, page->moreLeft);
    return {};
}

Outcome<LogWindowModel::StageRows> LogWindowModel::newestRows(int stage, int rows) {
    const auto page = m_store.stagePage(stage, 0, rows);
    if (!page)
        return Failure{page.error()};
    return StageRows{*page, page->size() == rows};
}

Outcome<std::optional<LogWindowModel::StageRows>> LogWindowModel::keptWithAdded(int rows) {
    StageRows shown = m_kept->newest;
    const qint64 last = shown.rows.isEmpty() ? 0 : shown.rows.last().id;
    const auto added = m_store.stageRowsAfter(m_kept->stage, last, rows + 1);
    if (!added)
        return Failure{added.error()};
    shown.rows += *added;
    // More added than the grid shows, or fewer rows kept than it has room for now.
    if (added->size() > rows || (shown.rows.size() < rows && shown.moreLeft))
        return std::optional<StageRows>();
    if (const qsizetype over = shown.rows.size() - rows; over > 0) {
        shown.rows.remove(0, over);
        shown.moreLeft = true;
    }
    return std::optional<StageRows>(std::move(shown));
}

Outcome<void> LogWindowModel::showCallsignsFrom(const QString& beginning, int rows) {
    const int first = std::clamp(rows, 1, kPage);
    const auto page = m_store.callsignPage(beginning, beginning, -1, first);
    if (!page)
        return unreadable(page.error());
    m_searching = true;
    m_beginning = beginning;
    reset(*page, page->size() == first);
    return {};
}

Outcome<int> LogWindowModel::fetchOlder() {
    if (m_searching || !m_moreLeft || m_rows.isEmpty())
        return 0;
    const auto page = m_store.stagePage(m_stage, m_rows.first().id, kPage);
    if (!page)
        return unreadable(page.error());
    m_moreLeft = page->size() == kPage;
    if (page->isEmpty())
        return 0;
    const int n = int(page->size());
    beginInsertRows({}, 0, n - 1);
    m_rows = *page + m_rows;
    endInsertRows();
    return n;
}

bool LogWindowModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_searching && m_moreLeft;
}

void LogWindowModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent) || m_rows.isEmpty())
        return;
    const LogRow& last = m_rows.last();
    const auto page = m_store.callsignPage(m_beginning, last.callsign, last.id, kPage);
    m_moreLeft = page && page->size() == kPage;
    if (!page || page->isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page->size()) - 1);
    m_rows += *page;
    endInsertRows();
}

int LogWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LogWindowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(LogStore::columnNames().size());
}

QVariant LogWindowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_rows.at(index.row()).value(index.column());
}

QVariant LogWindowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return LogStore::columnNames().value(section);
}
