#include "logging/Database.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtHelp.h"
#include "platform/QtKeyLine.h"
#include "platform/QtPrintSink.h"
#include "platform/QtRealtimePriority.h"
#include "platform/QtScreenMetrics.h"
#include "platform/QtVoicePlayer.h"
#include "refdata/SpecialStations.h"
#include "screens/ScreenServices.h"
#include "screens/entry/FrmQSO.h"
#include "screens/reports/FrmAnzeigen.h"
#include "screens/setup/FrmInit.h"
#include "setup/AppState.h"
#include "setup/DataFolder.h"
#include "setup/SettingsFiles.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELT"));

    AppState state;
    const QString programFolder = QCoreApplication::applicationDirPath();
    const DataFolder::Location data = DataFolder::locate(
        programFolder, DataFolder::userFolder(), DataFolder::templatesFolder(programFolder));
    state.appPath = QDir::toNativeSeparators(data.path);
    for (const QString& arg : QCoreApplication::arguments().mid(1))
        state.autoStart = state.autoStart || arg.toUpper() == QLatin1String("AUTO");
    const QString dataPath = SettingsFiles::CalcDataPath(state.appPath);

    QtDialogs dialogs;
    QtClock clock;
    QtScreenMetrics metrics;
    QtVoicePlayer voice;
    QtKeyLine keyLine(dataPath);
    QtPrintSink printer(dataPath, nullptr);
    QtHelp help(data.helpFolder);
    QtRealtimePriority realtime;
    Database logDb(QStringLiteral("LogDb"));
    Database callDb(QStringLiteral("CallDb"));
    if (!data.error.isEmpty())
        dialogs.message(QStringLiteral("Folderul de date %1 nu a putut fi creat: %2")
                            .arg(QDir::toNativeSeparators(data.path), data.error),
                        QStringLiteral("VELT"), Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
    // The year's special stations; a line that cannot be read is skipped and named.
    const SpecialStations::LoadResult specials = SpecialStations::load(
        SettingsFiles::pathIn(dataPath, QStringLiteral("\\special_stations.txt")));
    for (const QString& message : specials.messages)
        dialogs.message(message, QStringLiteral("VELT"), Dialogs::Buttons::Ok,
                        Dialogs::Icon::Exclamation);
    ScreenServices services{state,   dialogs, help,  clock,  metrics,           voice,
                            keyLine, printer, logDb, callDb, specials.stations, realtime};

    FrmQSO qso(services);
    qso.Form_Load();
    FrmInit init(services, qso);

    auto backToSetup = [&] {
        if (!init.Form_Load()) {
            QApplication::quit();
            return;
        }
        init.show();
    };
    QObject::connect(&init, &FrmInit::exitRequested, &app, &QApplication::quit);
    QObject::connect(&qso, &FrmQSO::exitRequested, &app, &QApplication::quit);
    QObject::connect(&qso, &FrmQSO::setupRequested, &app, backToSetup);
    QObject::connect(&init, &FrmInit::logViewRequested, &app, [&] {
        auto* logView = new FrmAnzeigen(services);
        logView->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(logView, &FrmAnzeigen::exitRequested, &app, &QApplication::quit);
        QObject::connect(logView, &FrmAnzeigen::setupRequested, &app, backToSetup);
        logView->showMaximized();
    });

    if (!init.Form_Load())
        return 0;
    init.show();
    return QApplication::exec();
}
