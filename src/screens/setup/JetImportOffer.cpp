#include "screens/setup/JetImportOffer.h"

#include "base/seams/Dialogs.h"
#include "services/jetimport/JetImport.h"
#include "services/jetimport/TableMap.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("IMPORT");
const QString kLeftAlone = QStringLiteral("\nFisierul a fost lasat neschimbat.");

// What the operator can do about a Jet file that cannot be imported: there is no server to blame.
QString putTheRightFile(const QString& path, const TableMap& map) {
    return kLeftAlone +
           QStringLiteral(" Puneti in locul lui baza de date %1 a programului anterior (cu tabela "
                          "%2) si porniti din nou programul.")
               .arg(QFileInfo(path).fileName(), map.sourceTable);
}
} // namespace

QString JetImportOffer::run(const QString& path, const TableMap& map) {
    const QString file = QDir::toNativeSeparators(path);
    QString notOurs =
        QStringLiteral("Fisierul %1 nu este o baza de date a acestui program. Fisierul a fost "
                       "lasat neschimbat.\nNu exista legatura cu serverul !")
            .arg(file);
    JetImport import(m_reader);
    const JetImport::Inspection found = import.inspect(path, map);
    switch (found.holds) {
    case JetImport::Holds::NotJet:
        return notOurs;
    case JetImport::Holds::Unreadable:
        return QStringLiteral("Fisierul %1 pare o baza de date Jet (.mdb), dar nu poate fi "
                              "citit: %2.")
                   .arg(file, found.error) +
               putTheRightFile(path, map);
    case JetImport::Holds::NoTable:
        return QStringLiteral("Fisierul %1 este o baza de date Jet (.mdb), dar nu contine tabela "
                              "%2 (%3).")
                   .arg(file, map.sourceTable, JetImport::tablesHeld(found.tables)) +
               putTheRightFile(path, map);
    case JetImport::Holds::Table:
        break;
    }
    if (!ask(path, map))
        return notOurs;
    const JetImport::Result done = import.replace(path, map);
    if (!done.ok)
        return QStringLiteral("Importul din %1 nu a reusit: %2.").arg(file, done.error) +
               kLeftAlone;
    m_dialogs.tell({QStringLiteral("Tabela %1 a fost importata din %2.\n%3\nFisierul vechi a "
                                   "fost pastrat ca %4.")
                        .arg(map.sourceTable, file, done.counts.describe(),
                             QDir::toNativeSeparators(done.keptAs)),
                    Dialogs::Icon::Information, kTitle});
    return {};
}

bool JetImportOffer::ask(const QString& path, const TableMap& map) {
    const QString text =
        QStringLiteral("Fisierul %1 este o baza de date Jet (.mdb) a programului anterior.\n"
                       "Importati tabela %2 intr-o baza de date noua a acestui program?\n"
                       "Fisierul vechi va fi pastrat neschimbat ca %3.")
            .arg(QDir::toNativeSeparators(path), map.sourceTable,
                 QDir::toNativeSeparators(JetImport::keepingName(path)));
    return m_dialogs.ask(text, kTitle);
}
