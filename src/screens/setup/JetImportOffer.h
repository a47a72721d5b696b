#pragma once

#include <QString>

class Dialogs;
class JetReader;
struct TableMap;

// At start-up, a file under a database's name that is not one of the program's databases may be
// the predecessor's Jet database: the operator is offered to bring its table over.
class JetImportOffer {
public:
    JetImportOffer(Dialogs& dialogs, JetReader& reader) : m_dialogs(dialogs), m_reader(reader) {}

    /// Offers the import of the file at `path` and sums it up; empty when a new database now
    /// stands at `path`, otherwise the text telling why the database cannot be opened.
    QString run(const QString& path, const TableMap& map);

private:
    bool ask(const QString& path, const TableMap& map);

    Dialogs& m_dialogs;
    JetReader& m_reader;
};
