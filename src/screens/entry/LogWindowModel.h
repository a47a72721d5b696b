#pragma once

#include "store/LogRow.h"
#include "store/LogStore.h"

#include <QAbstractTableModel>
#include <QList>

#include <optional>

// The QSO screen's log grid: only pages of the log are read, so logging, a stage button and the
// partial-callsign search cost the same with a hundred contacts or a hundred thousand. A stage
// shows its newest page, older pages come in above as the operator scrolls up; a search by
// callsign pages downwards. A page that cannot be read leaves the rows shown as they were and
// says why.
class LogWindowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LogWindowModel(Database& log, QObject* parent = nullptr);

    /// The newest `rows` contacts of stage 1..4 (what the grid shows at once), the newest
    /// last; older ones come in above them a page at a time. While `logChanges` stays the same
    /// the log changed only by contacts added: the stage's rows read before are kept, and only
    /// the contacts added since are read.
    Outcome<void> showStage(int stage, int rows, int logChanges);
    /// The contacts whose callsign begins with `beginning`, by callsign: the first `rows` of
    /// them (what the grid shows at once), the others as the view asks for them.
    Outcome<void> showCallsignsFrom(const QString& beginning, int rows);
    /// Puts the page before the first row above it; the number of rows added.
    Outcome<int> fetchOlder();
    /// Whether the rows are those of a search by callsign, not the stage's newest.
    bool searching() const { return m_searching; }
    /// The `ID` of the contact in `row`.
    qint64 idAt(int row) const { return m_rows.at(row).id; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    // The newest rows of a stage, and whether older ones are left.
    struct StageRows {
        QList<LogRow> rows;
        bool moreLeft = false;
    };
    // The stage's rows read before, as they were when the log changed last.
    struct KeptStage {
        int stage = 0;
        int logChanges = 0;
        StageRows newest;
    };

    Outcome<StageRows> newestRows(int stage, int rows);
    /// The rows kept with the contacts added since, or nothing when they are not enough.
    Outcome<std::optional<StageRows>> keptWithAdded(int rows);
    void reset(QList<LogRow> rows, bool moreLeft);

    LogStore m_store;
    QList<LogRow> m_rows;
    bool m_searching = false;
    int m_stage = 0;
    QString m_beginning;
    bool m_moreLeft = false; // older rows of the stage, or further rows of the search
    std::optional<KeptStage> m_kept;
};
