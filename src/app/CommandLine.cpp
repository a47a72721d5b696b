#include "app/CommandLine.h"

#include "app/JetImportCommand.h"
#include "app/LearnCommand.h"
#include "app/ParserTexts.h"
#include "logging/BackupRestore.h"
#include "logging/BackupSet.h"
#include "reports/ReportFiles.h"
#include "setup/SettingsFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString kLogStem = QStringLiteral("LogVELT");
const QString kCallStem = QStringLiteral("DbsVELT");

QString databasePath(const QString& dataPath, const QString& stem) {
    return SettingsFiles::pathIn(dataPath, u'\\' + stem + QStringLiteral(".mdb"));
}

void listBackups(const QString& dataPath, const Clock& clock, QTextStream& out) {
    const QString folder = ReportFiles::backupFolder(dataPath);
    out << "Copiile de siguranta din " << QDir::toNativeSeparators(folder) << ":\n";
    for (const QString& stem : {kLogStem, kCallStem}) {
        const QStringList files = BackupSet(folder, stem, clock).files();
        out << (stem == kLogStem ? "Logul (" : "Baza de date cu indicative (") << stem
            << ".mdb): " << files.size() << " copii\n";
        for (const QString& file : files) {
            out << "  " << QFileInfo(file).fileName();
            if (stem == kCallStem) {
                const auto n = BackupRestore::rowCount(file, QStringLiteral("CallJud"));
                out << (n ? QStringLiteral("  indicative: %1").arg(*n)
                          : QStringLiteral("  nu poate fi citita"));
            } else if (const auto counts = BackupRestore::stageCounts(file)) {
                out << QStringLiteral("  1A: %1  1B: %2  2A: %3  2B: %4")
                           .arg((*counts)[0])
                           .arg((*counts)[1])
                           .arg((*counts)[2])
                           .arg((*counts)[3]);
            } else {
                out << "  nu poate fi citita";
            }
            out << '\n';
        }
    }
}

int restoreCopy(const QString& file, const QString& dataPath, const Clock& clock, QTextStream& out,
                QTextStream& err) {
    const QString folder = ReportFiles::backupFolder(dataPath);
    // A bare name as --list-backups shows it names a copy in the backup folder.
    const QString path = QFileInfo::exists(file) ? file : QDir(folder).filePath(file);
    const bool isLog = BackupRestore::rowCount(path, QStringLiteral("LogGen")).has_value();
    const QString stem = isLog ? kLogStem : kCallStem;
    BackupSet copies(folder, stem, clock);
    const Outcome<QString> kept =
        BackupRestore::restore(copies, databasePath(dataPath, stem), path,
                               isLog ? QStringLiteral("LogGen") : QStringLiteral("CallJud"));
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
    const QCommandLineOption learn(
        QStringLiteral("learn"),
        QStringLiteral("Invata indicativele si judetele din logurile Cabrillo si ADIF date "
                       "(FISIER...) in baza de date cu indicative, dupa o copie a ei."));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QStringLiteral("Cu --learn: arata doar ce s-ar invata, fara sa scrie nimic."));
    parser.addOptions({help, version, list, restore, importJet, learn, dryRun});
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
    } else if (parser.isSet(learn)) {
        status = LearnCommand::run(parser.positionalArguments(), parser.isSet(dryRun), dataPath,
                                   clock, out, err);
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
