#include "app/CommandLine.h"

#include "app/JetImportCommand.h"
#include "app/LearnCommand.h"
#include "app/ParserTexts.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupRestore.h"
#include "store/BackupSet.h"
#include "store/CopyCounts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {
QString databasePath(const QString& dataPath, const QString& stem) {
    return QDir(dataPath).filePath(stem + QStringLiteral(".mdb"));
}

constexpr int kCountedPerListing = 100;

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
        // Copies not yet counted are opened newest first, at most kCountedPerListing of them:
        // the first listing of thousands answers at once, each later one counts some more.
        std::vector<std::optional<QList<int>>> found(static_cast<size_t>(files.size()));
        std::vector<bool> opened(found.size(), false);
        int budget = kCountedPerListing;
        for (qsizetype i = files.size() - 1; i >= 0; --i) {
            const auto at = static_cast<size_t>(i);
            found[at] = counts.remembered(files[i], kind);
            if (!found[at] && budget > 0) {
                --budget;
                opened[at] = true;
                found[at] = counts.of(files[i], kind);
            }
        }
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString& file = files[i];
            out << "  " << QFileInfo(file).fileName();
            const auto& n = found[static_cast<size_t>(i)];
            if (!n && !opened[static_cast<size_t>(i)])
                out << "  nenumarata inca (se numara la listarile urmatoare)";
            else if (!n)
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
    if (const Outcome<void> saved = counts.save(); !saved)
        out << saved.error() << '\n';
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

bool isAuto(const QString& word) {
    return word.compare(QLatin1String("AUTO"), Qt::CaseInsensitive) == 0;
}

// The options the program accepts, with their help texts: the one table --help and the manual
// page are made from.
struct Options {
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Afiseaza acest text.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Afiseaza versiunea programului.")};
    const QCommandLineOption list{
        QStringLiteral("list-backups"),
        QStringLiteral("Arata copiile de siguranta din ARHIVA/backup, cu numarul de contacte pe "
                       "etape.")};
    const QCommandLineOption restore{
        QStringLiteral("restore"),
        QStringLiteral("Pune copia FISIER in locul logului (sau al bazei de date cu indicative); "
                       "fisierul de acum se pastreaza si el ca o copie. Programul nu trebuie sa "
                       "ruleze."),
        QStringLiteral("FISIER")};
    const QCommandLineOption importJet{
        QStringLiteral("import-jet"),
        QStringLiteral("Aduce indicativele (CallJud) si logul (LogGen) din baza de date .mdb a "
                       "programului vechi in bazele de date ale acestui program."),
        QStringLiteral("FISIER.mdb")};
    const QCommandLineOption dataFolder{
        QStringLiteral("data-folder"),
        QStringLiteral("Foloseste FOLDER ca folder de date in locul lui ~/.local/share/velt, "
                       "la pornirea ecranelor ca si pentru celelalte optiuni; daca lipseste, este "
                       "creat."),
        QStringLiteral("FOLDER")};
    const QCommandLineOption learn{
        QStringLiteral("learn"),
        QStringLiteral("Invata judetele indicativelor romanesti din logurile Cabrillo si ADIF, "
                       "din istoricele de indicative (\"indicativ,judet\") si din listele de "
                       "indicative cunoscute date (FISIER...) in baza de date cu indicative, "
                       "dupa o copie a ei.")};
    const QCommandLineOption dryRun{
        QStringLiteral("dry-run"),
        QStringLiteral("Cu --learn: arata doar ce s-ar invata, fara sa scrie nimic.")};
    QCommandLineParser parser;

    /// The usage line, a blank line, then the description and the options: the manual page,
    /// made from this text, keeps the usage line apart from the description.
    QString helpText() const {
        QString text = parser.helpText();
        return text.insert(text.indexOf(u'\n') + 1, u'\n');
    }

    QList<QCommandLineOption> all() const {
        return {help, version, list, restore, importJet, dataFolder, learn, dryRun};
    }
    Options() {
        parser.setApplicationDescription(
            QStringLiteral("VELT: logger pentru concursurile de radioamatori din Romania."));
        parser.addOptions(all());
        parser.addPositionalArgument(
            QStringLiteral("AUTO"),
            QStringLiteral("Daca o baza de date nu poate fi deschisa la pornire, programul se "
                           "inchide imediat."),
            QStringLiteral("[AUTO]"));
    }

    /// Parses `arguments`; why they are refused, or an empty text.
    QString parse(const QStringList& arguments) {
        if (!parser.parse(arguments)) {
            const QStringList unknown = parser.unknownOptionNames();
            if (!unknown.isEmpty())
                return QStringLiteral("Optiune necunoscuta: ") + unknown.join(QStringLiteral(", "));
            // The other failure is an option that takes a value given last, with nothing after.
            if (arguments.last() == QLatin1String("--import-jet"))
                return QStringLiteral("Optiunea --import-jet cere numele fisierului .mdb.");
            if (arguments.last() == QLatin1String("--data-folder"))
                return QStringLiteral("Optiunea --data-folder cere numele folderului.");
            return QStringLiteral("Optiunea --restore cere numele copiei.");
        }
        // The words after --learn are the files to learn from.
        if (parser.isSet(learn))
            return {};
        if (parser.isSet(dryRun))
            return QStringLiteral("Optiunea --dry-run merge doar cu --learn.");
        QStringList words = parser.positionalArguments();
        words.removeIf(isAuto);
        if (!words.isEmpty())
            return QStringLiteral("Cuvant necunoscut: ") + words.join(QStringLiteral(", "));
        return {};
    }
};
} // namespace

namespace CommandLine {

bool isCommand(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Options o;
    return !o.parse(arguments).isEmpty() || o.parser.isSet(o.help) || o.parser.isSet(o.version) ||
           o.parser.isSet(o.list) || o.parser.isSet(o.restore) || o.parser.isSet(o.importJet) ||
           o.parser.isSet(o.learn);
}

QString namedDataFolder(const QStringList& arguments) {
    Options o;
    return o.parse(arguments).isEmpty() ? o.parser.value(o.dataFolder) : QString();
}

bool autoStart(const QStringList& arguments) {
    return std::any_of(arguments.begin() + 1, arguments.end(), isAuto);
}

bool needsDataFolder(const QStringList& arguments) {
    Options o;
    return o.parse(arguments).isEmpty() && (o.parser.isSet(o.list) || o.parser.isSet(o.restore) ||
                                            o.parser.isSet(o.importJet) || o.parser.isSet(o.learn));
}

QStringList optionNames() {
    const Options o;
    QStringList names;
    for (const QCommandLineOption& option : o.all())
        names << option.names().last();
    return names;
}

int run(const QStringList& arguments, const QString& dataPath, const Clock& clock, JetReader& jet,
        QTextStream& out, QTextStream& err) {
    ParserTexts texts;
    QCoreApplication::installTranslator(&texts);
    Options o;
    const QString refusal = o.parse(arguments);
    // What a copy cut short by a crash left goes first, whichever command opens the folder.
    if (!dataPath.isEmpty())
        for (const BackupRestore::Kind kind :
             {BackupRestore::Kind::Log, BackupRestore::Kind::Callsigns})
            BackupSet(ReportFiles::backupFolder(dataPath), BackupRestore::stem(kind), clock)
                .removeInterrupted();
    int status = 0;
    if (!refusal.isEmpty()) {
        err << refusal << "\n\n" << o.helpText();
        status = 2;
    } else if (o.parser.isSet(o.help)) {
        out << o.helpText();
    } else if (o.parser.isSet(o.version)) {
        out << "velt " << VELT_VERSION << '\n';
    } else if (o.parser.isSet(o.importJet)) {
        status = JetImportCommand::run(arguments, dataPath, jet, out, err);
    } else if (o.parser.isSet(o.learn)) {
        status = LearnCommand::run(o.parser.positionalArguments(), o.parser.isSet(o.dryRun),
                                   dataPath, clock, out, err);
    } else if (o.parser.isSet(o.restore)) {
        status = restoreCopy(o.parser.value(o.restore), dataPath, clock, out, err);
    } else if (o.parser.isSet(o.list)) {
        listBackups(dataPath, clock, out);
    } else {
        err << o.helpText();
        status = 2;
    }
    QCoreApplication::removeTranslator(&texts);
    return status;
}

} // namespace CommandLine
