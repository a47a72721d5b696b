#include "app/CommandLine.h"

#include "app/JetImportCommand.h"
#include "app/ParserTexts.h"
#include "logging/BackupRestore.h"
#include "logging/BackupSet.h"
#include "logging/CopyCounts.h"
#include "reports/ReportFiles.h"
#include "setup/SettingsFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString databasePath(const QString& dataPath, const QString& stem) {
    return SettingsFiles::pathIn(dataPath, u'\\' + stem + QStringLiteral(".mdb"));
}

void listBackups(const QString& dataPath, const Clock& clock, QTextStream& out) {
    const QString folder = ReportFiles::backupFolder(dataPath);
    out << "Copiile de siguranta din " << QDir::toNativeSeparators(folder) << ":\n";
    CopyCounts counts(folder);
    for (const BackupRestore::Kind kind :
         {BackupRestore::Kind::Log, BackupRestore::Kind::Callsigns}) {
        const QString stem = BackupRestore::stem(kind);
        const QStringList files = BackupSet(folder, stem, clock).files();
        out << (kind == BackupRestore::Kind::Log ? "Logul (" : "Baza de date cu indicative (")
            << stem << ".mdb): " << files.size() << " copii\n";
        for (const QString& file : files) {
            out << "  " << QFileInfo(file).fileName();
            const auto n = counts.of(file, kind);
            if (!n)
                out << "  nu poate fi citita";
            else if (kind == BackupRestore::Kind::Callsigns)
                out << QStringLiteral("  indicative: %1").arg(n->at(0));
            else
                out << QStringLiteral("  1A: %1  1B: %2  2A: %3  2B: %4")
                           .arg(n->at(0))
                           .arg(n->at(1))
                           .arg(n->at(2))
                           .arg(n->at(3));
            out << '\n';
        }
    }
    counts.save();
}

int restoreCopy(const QString& file, const QString& dataPath, const Clock& clock, QTextStream& out,
                QTextStream& err) {
    const QString folder = ReportFiles::backupFolder(dataPath);
    // A bare name as --list-backups shows it names a copy in the backup folder.
    const QString path = QFileInfo::exists(file) ? file : QDir(folder).filePath(file);
    const Outcome<BackupRestore::Kind> kind = BackupRestore::kindOf(path);
    if (!kind) {
        err << kind.error() << '\n';
        return 1;
    }
    const QString stem = BackupRestore::stem(*kind);
    BackupSet copies(folder, stem, clock);
    const Outcome<QString> kept =
        BackupRestore::restore(copies, databasePath(dataPath, stem), path, *kind);
    if (!kept) {
        err << kept.error() << '\n';
        return 1;
    }
    out << "Fisierul " << stem << ".mdb a fost inlocuit cu copia " << QDir::toNativeSeparators(path)
        << ".\nFisierul de dinainte este pastrat in " << QDir::toNativeSeparators(*kept) << ".\n";
    return 0;
}

QString parseError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("Optiune necunoscuta: ") + unknown.join(QStringLiteral(", "));
    // The other failure is an option that takes a value given last, with nothing after it.
    if (arguments.last() == QLatin1String("--import-jet"))
        return QStringLiteral("Optiunea --import-jet cere numele fisierului .mdb.");
    return QStringLiteral("Optiunea --restore cere numele copiei.");
}
} // namespace

namespace CommandLine {

bool isCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-')
            return true;
    return false;
}

bool autoStart(const QStringList& arguments) {
    for (const QString& arg : arguments.mid(1))
        if (arg.toUpper() == QLatin1String("AUTO"))
            return true;
    return false;
}

int run(const QStringList& arguments, const QString& dataPath, const Clock& clock, JetReader& jet,
        QTextStream& out, QTextStream& err) {
    ParserTexts texts;
    QCoreApplication::installTranslator(&texts);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("VELT: logger pentru concursurile de radioamatori din Romania."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Afiseaza acest text."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Afiseaza versiunea programului."));
    const QCommandLineOption list(
        QStringLiteral("list-backups"),
        QStringLiteral("Arata copiile de siguranta din ARHIVA/backup, cu numarul de contacte pe "
                       "etape."));
    const QCommandLineOption restore(
        QStringLiteral("restore"),
        QStringLiteral("Pune copia FISIER in locul logului (sau al bazei de date cu indicative); "
                       "fisierul de acum se pastreaza si el ca o copie. Programul nu trebuie sa "
                       "ruleze."),
        QStringLiteral("FISIER"));
    const QCommandLineOption importJet(
        QStringLiteral("import-jet"),
        QStringLiteral("Aduce indicativele (CallJud) si logul (LogGen) din baza de date .mdb a "
                       "programului vechi in bazele de date ale acestui program."),
        QStringLiteral("FISIER.mdb"));
    parser.addOptions({help, version, list, restore, importJet});
    parser.addPositionalArgument(
        QStringLiteral("AUTO"),
        QStringLiteral("Daca o baza de date nu poate fi deschisa la pornire, programul se "
                       "inchide imediat."),
        QStringLiteral("[AUTO]"));
    const bool parsed = parser.parse(arguments);
    int status = 0;
    if (!parsed) {
        err << parseError(parser, arguments) << "\n\n" << parser.helpText();
        status = 2;
    } else if (parser.isSet(help)) {
        out << parser.helpText();
    } else if (parser.isSet(version)) {
        out << "velt " << VELT_VERSION << '\n';
    } else if (parser.isSet(importJet)) {
        status = JetImportCommand::run(arguments, dataPath, jet, out, err);
    } else if (parser.isSet(restore)) {
        status = restoreCopy(parser.value(restore), dataPath, clock, out, err);
    } else if (parser.isSet(list)) {
        listBackups(dataPath, clock, out);
    } else {
        err << parser.helpText();
        status = 2;
    }
    QCoreApplication::removeTranslator(&texts);
    return status;
}

} // namespace CommandLine
