#pragma once

#include <QPushButton>

class Database;
class Dialogs;
class QFileDialog;

// The log view's command that teaches the callsign database from past Cabrillo and ADIF logs:
// the files are chosen, the operator sees what would change and confirms, then it is written.
class LearnFromLogsButton : public QPushButton {
    Q_OBJECT
public:
    LearnFromLogsButton(Dialogs& dialogs, Database& callDb, QWidget* parent);

signals:
    /// The database was written.
    void learnt();

private:
    void chooseFiles();
    void learnFrom(const QStringList& files);

    Dialogs& m_dialogs;
    Database& m_callDb;
};
