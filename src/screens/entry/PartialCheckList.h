#pragma once

#include "contact/PartialCheck.h"

#include <QListWidget>
#include <QTimer>

class Database;
class QsoEntry;

// The partial check beside the QSO screen's log grid: after each key in the callsign field, the
// known callsigns holding what was typed, the worked ones marked. A click or Ctrl+1..9 chooses
// one for the field (Alt+1 and Alt+2 already choose stages).
class PartialCheckList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kShown = 30;
    static constexpr int kSlice = 5000; // callsigns indexed between two events

    PartialCheckList(QsoEntry& entry, Database& callDb, Database& logDb, QWidget* parent);
    /// Chooses the `index`-th callsign shown (0-based).
    void choose(int index);

signals:
    void chosen(const QString& callsign);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showMatches(const QString& typed);
    void readIndex();
    /// Reads and builds what the slices have not yet.
    void completeIndex();

    Database& m_callDb;
    Database& m_logDb;
    PartialCheck m_index;
    QTimer m_indexing;
    bool m_read = false; // the callsigns are read from the databases
    QString m_failure;   // why the list could not be loaded; empty when it was
};
