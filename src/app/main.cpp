#include "app/CommandLine.h"
#include "app/NoDisplayMessage.h"
#include "app/OrderlyExit.h"
#include "models/OldDataMove.h"
#include "platform/ChildJetReader.h"
#include "platform/HamlibRig.h"
#include "platform/JetReadChild.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtHelp.h"
#include "platform/QtKeyLine.h"
#include "platform/QtKeyerDevices.h"
#include "platform/QtPrintSink.h"
#include "platform/QtRealtimePriority.h"
#include "platform/QtScreenMetrics.h"
#include "platform/QtVoicePlayer.h"
#include "rules/ContestRun.h"
#include "rules/SpecialStations.h"
#include "screens/ScreenServices.h"
#include "screens/entry/QsoWindow.h"
#include "screens/reports/LogViewWindow.h"
#include "screens/setup/SetupWindow.h"
#include "services/keyer/RigCwKeyer.h"
#include "services/radio/RigLink.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"
#include "store/DataFolder.h"
#include "store/Database.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdlib>
#include <memory>

namespace {
const QString kTitle = QStringLiteral("VELT");
// The folder named on the command line, else the user's.
DataFolder::Location locateData(const QStringList& arguments) {
    const QString named = CommandLine::namedDataFolder(arguments);
    return DataFolder::locate(named.isEmpty() ? DataFolder::userFolder()
                                              : QDir(named).absolutePath(),
                              DataFolder::templatesFolder(QCoreApplication::applicationDirPath()));
}

QString dataFolderRefusal(const DataFolder::Location& data) {
    return QStringLiteral("Folderul de date %1 nu poate fi folosit: %2.")
        .arg(QDir::toNativeSeparators(data.path), data.error);
}

int answerOnConsole(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    ChildJetReader jet(QCoreApplication::applicationFilePath());
    const QStringList arguments = QCoreApplication::arguments();
    QString dataPath;
    if (CommandLine::needsDataFolder(arguments)) {
        const DataFolder::Location data = locateData(arguments);
        dataPath = QDir::toNativeSeparators(data.path);
        if (!data.error.isEmpty()) {
            err << dataFolderRefusal(data) << '\n';
            return EXIT_FAILURE;
        }
    }
    return CommandLine::run(arguments, dataPath, QtClock(), jet, out, err);
}
} // namespace

// The operator is asked once whether an earlier run's data comes into the data folder.
void offerOldData(const QString& dataFolder, Dialogs& dialogs, const Clock& clock) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString question = OldDataMove::question(program, dataFolder);
    if (question.isEmpty())
        return;
    const bool yes = dialogs.ask(question, kTitle);
    const Outcome<QString> told = OldDataMove::answer(yes, program, dataFolder, clock);
    if (!told)
        dialogs.tell({told.error(), Dialogs::Icon::Critical});
    else if (!told->isEmpty())
        dialogs.tell({*told, Dialogs::Icon::Information});
}
int main(int argc, char* argv[]) {
    if (JetReadChild::isChild(argc, argv))
        return JetReadChild::run(argc, argv);
    if (CommandLine::isCommand(argc, argv))
        return answerOnConsole(argc, argv);
    NoDisplayMessage::install();
    QApplication app(argc, argv);
    NoDisplayMessage::remove();
    QApplication::setApplicationName(QStringLiteral("VELT"));

    const DataFolder::Location data = locateData(QCoreApplication::arguments());
    const QString dataPath = QDir::toNativeSeparators(data.path);
    ContestRun run(dataPath);

    QtDialogs dialogs;
    QtClock clock;
    QtScreenMetrics metrics;
    QtVoicePlayer voice;
    QtKeyLine keyLine(dataPath);
    QtPrintSink printer(dataPath, nullptr);
    QtHelp help(data.helpFolder);
    ChildJetReader jet(QCoreApplication::applicationFilePath());
    QtRealtimePriority realtime;
    QtKeyerDevices keyerDevices;
    Database logDb(QStringLiteral("LogDb"));
    Database callDb(QStringLiteral("CallDb"));
    if (!data.error.isEmpty())
        dialogs.tell({dataFolderRefusal(data), Dialogs::Icon::Critical});
    else
        offerOldData(data.path, dialogs, clock);
    // Whatever removes or changes stored rows keeps a copy of the file first.
    BackupSet logCopies(ReportFiles::backupFolder(dataPath), QStringLiteral("LogVELT"), clock);
    BackupSet callCopies(ReportFiles::backupFolder(dataPath), QStringLiteral("DbsVELT"), clock);
    // What a copy cut short by a crash left goes before anything is copied again.
    logCopies.removeInterrupted();
    callCopies.removeInterrupted();
    logDb.keepCopiesIn(&logCopies);
    callDb.keepCopiesIn(&callCopies);
    // The year's special stations; a line that cannot be read is skipped and named.
    const SpecialStations::LoadResult specials =
        SpecialStations::load(QDir(dataPath).filePath(QStringLiteral("special_stations.txt")));
    if (const QString message = specials.message(); !message.isEmpty())
        dialogs.tell({message});
    RigLink rig([](const RadioSettings& s) { return std::make_unique<HamlibRig>(s); });
    RigCwKeyer radioCat(rig);
    const QList<RigModel> rigModels = HamlibRig::models();
    ScreenServices services{run,      dialogs,      help,  clock,     metrics,           voice,
                            keyLine,  printer,      logDb, callDb,    specials.stations, jet,
                            realtime, keyerDevices, &rig,  &radioCat, &rigModels};

    auto qso = std::make_unique<QsoWindow>(services);
    qso->load();
    SetupWindow init(services, CommandLine::autoStart(QCoreApplication::arguments()));
    QObject::connect(&init, &SetupWindow::contestChosen, qso.get(), &QsoWindow::presentContest);
    QObject::connect(&init, &SetupWindow::runBegun, qso.get(), &QsoWindow::start);

    // A start-up that could not open the databases ends with a failure status for the script
    // that started the program.
    auto backToSetup = [&] {
        run.reopenSetup();
        if (!init.load(qso->sentLabel())) {
            QApplication::exit(EXIT_FAILURE);
            return;
        }
        init.show();
    };
    QObject::connect(&init, &SetupWindow::exitRequested, &app, &QApplication::quit);
    QObject::connect(qso.get(), &QsoWindow::exitRequested, &app, &QApplication::quit);
    QObject::connect(qso.get(), &QsoWindow::setupRequested, &app, backToSetup);
    QObject::connect(&init, &SetupWindow::logViewRequested, &app, [&] {
        auto* logView = new LogViewWindow(services);
        logView->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(logView, &LogViewWindow::exitRequested, &app, &QApplication::quit);
        QObject::connect(logView, &LogViewWindow::setupRequested, &app, backToSetup);
        logView->showMaximized();
    });

    if (!init.load())
        return EXIT_FAILURE;
    init.show();
    const OrderlyExit::QuitOnSignals signalsQuit;
    const int status = QApplication::exec();
    OrderlyExit::finish(qso, rig, {&logDb, &callDb}, dialogs);
    return status;
}
