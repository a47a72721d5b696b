#pragma once

#include "base/Outcome.h"
#include "services/jetimport/ImportCounts.h"

#include <QString>
#include <QStringList>

class JetReader;
struct JetTable;
struct TableMap;

// Brings a table of the predecessor's Jet databases into the program's SQLite files. The Jet file
// is only read; it is never deleted or overwritten, and a failure leaves no half-made database.
class JetImport {
public:
    enum class Holds { NotJet, Unreadable, NoTable, Table };
    struct Inspection {
        Holds holds = Holds::NotJet;
        QString error;      // Romanian, when Unreadable
        QStringList tables; // what the file holds, when readable
    };
    struct Result {
        bool ok = false;
        QString error; // Romanian, when not ok
        ImportCounts counts;
        QString keptAs; // where the replaced Jet file now lies; empty when none was replaced
    };

    explicit JetImport(JetReader& reader) : m_reader(reader) {}

    /// Whether the file at `path` is a readable Jet file holding `map`'s source table.
    Inspection inspect(const QString& path, const TableMap& map);
    /// Puts a new database holding the Jet file's table under the Jet file's name; the Jet file
    /// is renamed to "<name>.jet" beside it (or "<name>.N.jet" when that exists).
    Result replace(const QString& path, const TableMap& map);
    /// Adds the Jet file's table to the database `targetPath`, made when missing. Callsigns merge
    /// into an existing table; a log goes only into an empty one.
    Result importInto(const QString& jetPath, const QString& targetPath, const TableMap& map);

    /// The first free name of "<path>.jet", "<path>.1.jet", ...
    static QString keepingName(const QString& path);
    /// The tables a Jet file holds, for a message: "tabelele din fisier: A, B".
    static QString tablesHeld(const QStringList& tables);

private:
    Outcome<JetTable> readTable(const QString& path, const TableMap& map);
    Result createFrom(const QString& jetPath, const QString& targetPath, const TableMap& map,
                      bool replacesJet);
    Result mergeInto(const QString& jetPath, const QString& targetPath, const TableMap& map);

    JetReader& m_reader;
};
