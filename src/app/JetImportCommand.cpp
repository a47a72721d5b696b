#include "app/JetImportCommand.h"

#include "services/jetimport/JetImport.h"
#include "services/jetimport/TableMap.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace JetImportCommand {

namespace {
const char* const kOption = "--import-jet";

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

int run(const QStringList& arguments, const QString& dataPath, JetReader& reader, QTextStream& out,
        QTextStream& err) {
    const qsizetype option = arguments.indexOf(QLatin1String(kOption));
    if (option < 0 || option + 1 >= arguments.size()) {
        err << "Folosire: velt --import-jet FISIER.mdb\n";
        return 2;
    }
    QString source = arguments.at(option + 1);
    if (!QFileInfo(source).isFile()) {
        err << QStringLiteral("Fisierul %1 nu exista.\n").arg(shown(source));
        return 1;
    }
    JetImport import(reader);
    QStringList held;
    int found = 0;
    int failed = 0;
    for (const TableMap& map : TableMap::all()) {
        const JetImport::Inspection seen = import.inspect(source, map);
        if (seen.holds == JetImport::Holds::NotJet) {
            err << QStringLiteral("Fisierul %1 nu este o baza de date Jet (.mdb).\n")
                       .arg(shown(source));
            return 1;
        }
        if (seen.holds == JetImport::Holds::Unreadable) {
            err << QStringLiteral("Fisierul %1 nu poate fi citit: %2.\n")
                       .arg(shown(source), seen.error);
            return 1;
        }
        held = seen.tables;
        if (seen.holds == JetImport::Holds::NoTable)
            continue;
        ++found;
        const QString target = QDir(dataPath).filePath(map.file);
        const JetImport::Result done = import.importInto(source, target, map);
        if (!done.ok) {
            ++failed;
            err << QStringLiteral("Tabela %1 nu a fost importata: %2. Nimic nu a fost schimbat.\n")
                       .arg(map.sourceTable, done.error);
            continue;
        }
        out << QStringLiteral("Tabela %1 importata in %2.\n%3\n")
                   .arg(map.sourceTable, shown(target), done.counts.describe());
        // The file replaced under the database's name now lies elsewhere; its other table
        // is read from there.
        if (!done.keptAs.isEmpty()) {
            out << QStringLiteral("Fisierul vechi a fost pastrat ca %1.\n").arg(shown(done.keptAs));
            source = done.keptAs;
        }
    }
    if (found == 0) {
        err << QStringLiteral("Fisierul %1 nu contine nici tabela CallJud, nici LogGen (%2).\n")
                   .arg(shown(source), JetImport::tablesHeld(held));
        return 1;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace JetImportCommand
