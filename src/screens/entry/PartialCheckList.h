#pragma once

#include "refdata/PartialCheck.h"

#include <QListWidget>

class Database;
class QLineEdit;
class QsoEntry;

// The partial check beside the QSO screen's log grid: after each key in the callsign field, the
// known callsigns holding what was typed, the worked ones marked. A click or Ctrl+1..9 takes one
// into the field (Alt+1 and Alt+2 already choose stages).
class PartialCheckList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kShown = 30;

    PartialCheckList(QLineEdit* callsignField, QsoEntry& entry, Database& callDb, Database& logDb,
                     QWidget* parent);
    /// Puts the `index`-th callsign shown (0-based) into the callsign field.
    void choose(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showMatches(const QString& typed);
    void noteLogged();

    QLineEdit* m_field;
    QsoEntry& m_entry;
    Database& m_callDb;
    Database& m_logDb;
    PartialCheck m_index;
    QString m_lastLogged;
    QString m_failure; // why the list could not be loaded; empty when it was
};
