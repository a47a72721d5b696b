#pragma once

#include "LogRows.h"
#include "TempDataFolder.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHelp.h"
#include "fakes/FakeJetReader.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakePrintSink.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeScreenMetrics.h"
#include "fakes/FakeVoicePlayer.h"
#include "platform/HamlibRig.h"
#include "platform/QtKeyerDevices.h"
#include "rules/ContestCatalog.h"
#include "rules/ContestRun.h"
#include "rules/SpecialStations.h"
#include "screens/ScreenServices.h"
#include "screens/entry/QsoWindow.h"
#include "screens/reports/LogViewWindow.h"
#include "screens/setup/SetupWindow.h"
#include "services/keyer/RigCwKeyer.h"
#include "services/radio/RigLink.h"
#include "store/Database.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

// The three screens on fakes and a temporary data folder, as main() wires them.
struct ScreenHarness {
    /// `radio` makes the radio the settings name; Hamlib's own by default.
    explicit ScreenHarness(bool withDatabases = true, RigFactory radio = hamlibRadio)
        : rig(std::move(radio)) {
        if (withDatabases)
            folder.createDatabases();
    }

    /// The seven voice recordings, named as the operator is told to ("F1.WAV").
    void writeRecordings() const {
        QDir(folder.path()).mkdir(QStringLiteral("WAVUs"));
        for (int n = 1; n <= 7; ++n)
            folder.write(QStringLiteral("WAVUs/F%1.WAV").arg(n), "RIFF");
    }

    /// Creates the screens and runs the set-up screen's start-up; false when it asked to end.
    bool start() {
        qso = std::make_unique<QsoWindow>(services);
        qso->load();
        init = std::make_unique<SetupWindow>(services, autoStart);
        QObject::connect(init.get(), &SetupWindow::contestChosen, qso.get(),
                         &QsoWindow::presentContest);
        QObject::connect(init.get(), &SetupWindow::runBegun, qso.get(), &QsoWindow::start);
        const bool go = init->load();
        init->show();
        QApplication::setActiveWindow(init.get());
        return go;
    }

    /// Goes through the set-up screen to the QSO screen of contest `control` (SIMULARE, own call
    /// YO3ABC in BU) after `fill` has filled in more, then presses the stage and mode buttons.
    void openQso(const char* control, const QString& sentCode = QStringLiteral("312"),
                 const char* stage = "Cmd1A", const char* mode = "CmdCW",
                 const std::function<void()>& fill = {}) {
        folder.write(QStringLiteral("VELTInit.dat"),
                     "YO3ABC\r\n2\r\nBU\r\n\r\n\r\n 1 \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        start();
        clickContest(control);
        click(init.get(), "OpbTest");
        if (initBox("txtContrInit")->isVisible())
            initBox("txtContrInit")->setText(sentCode);
        if (fill)
            fill();
        trigger(init.get(), "mnuQSOfahren");
        QApplication::setActiveWindow(qso.get());
        if (stage)
            click(qso.get(), stage);
        if (mode)
            click(qso.get(), mode);
    }
    QWidget* focused() { return qso->focusWidget(); }
    void type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(focused(), c.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), k, m);
    }
    /// `text` pasted over what `field` holds: its text selected, then Ctrl+V.
    void pasteOver(QLineEdit* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    /// A contact as the operator types it: callsign after the "YO" offered, Space, code, county.
    void typeContact(const QString& call, const QString& code, const QString& county) {
        qsoBox("TxtIndic")->setFocus();
        type(call);
        key(Qt::Key_Space);
        qsoBox("TxtRSTR2")->setFocus();
        type(code);
        qsoBox("TxtRstR3")->setFocus();
        type(county);
    }
    /// The rows of LogGen, each as its ten text columns joined by "|".
    QStringList logRows() { return ::logRows(logDb); }
    /// Opens the log-view screen for `contest` as the set-up screen's "&LOG" does.
    LogViewWindow* openLogView(int contest) {
        if (!qso && !start())
            return nullptr;
        run.chooseContest(*ContestCatalog::find(contest));
        logView = std::make_unique<LogViewWindow>(services);
        logView->show();
        QApplication::setActiveWindow(logView.get());
        return logView.get();
    }
    /// Puts a contact into LogGen as the QSO screen logs it.
    bool addContact(const QString& call, const QString& date, const QString& utc, int stage,
                    const QString& mult, const QString& pct, const QString& mode = "CW") {
        const QString sent = mode == QLatin1String("CW") ? "599 001 BU" : "59 001 BU";
        return logDb
            .exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, "
                                 "Md, Jud, Mult, Pct) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {call, date, utc, QString::number(stage), sent, sent, mode, QStringLiteral("CJ"),
                   mult, pct})
            .ok();
    }

    /// What the operator sees of the transmitter: a message sent (its F caption green, or the CW
    /// under way shown), or a repeat waiting for its pause to end (the pause box red).
    bool messageShown() {
        if (!qsoBox("TxtCwCurent")->isHidden())
            return true;
        for (int n = 1; n <= 7; ++n)
            if (rgb(find<QLabel>(qso.get(), qPrintable(QStringLiteral("LblF%1").arg(n))),
                    QPalette::WindowText) == 0x00FF00)
                return true;
        return false;
    }
    bool repeatWaitingShown() {
        return rgb(qsoBox("txtPauseCW")) == 0xFF0000 || rgb(qsoBox("TxtPauseSSB")) == 0xFF0000;
    }
    bool keyerIdleShown() { return !messageShown() && !repeatWaitingShown(); }
    /// The radio's reading shown beside the stages.
    bool radioShown() {
        return find<QLabel>(qso.get(), "LblFrecventa")->text().contains(QLatin1String(" kHz "));
    }

    /// What the operator can see of `w`: not hidden, nor covered by a control laid over it.
    static bool seen(const QWidget* w) { return w->isVisible() && !w->visibleRegion().isEmpty(); }
    static QRgb rgb(const QWidget* w, QPalette::ColorRole role = QPalette::Base) {
        return w->palette().color(role).rgb() & 0xFFFFFF;
    }
    template <typename T> T* find(QWidget* screen, const char* name) {
        T* w = screen->findChild<T*>(QString::fromUtf8(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit* initBox(const char* name) { return find<QLineEdit>(init.get(), name); }
    QLineEdit* qsoBox(const char* name) { return find<QLineEdit>(qso.get(), name); }
    void clickContest(const char* control) { click(init.get(), control); }
    /// Clicks a control where it is once pending layouts are done, as the operator sees it: near
    /// its left edge, where an option button stretched by its layout has its mark.
    void click(QWidget* screen, const char* name) {
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        auto* w = find<QWidget>(screen, name);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          QPoint(std::min(w->width() / 2, 8), w->height() / 2));
    }
    void trigger(QWidget* screen, const char* action) {
        auto* a = screen->findChild<QAction*>(QString::fromUtf8(action));
        if (!a)
            qFatal("no action %s", action);
        a->trigger();
    }

    TempDataFolder folder;
    ContestRun run{folder.path()};
    bool autoStart = false; // started by a script
    FakeDialogs dialogs;
    FakeHelp help;
    // A station in Romania in winter: 14:05 local is 12:05 UTC.
    FakeClock clock{QDateTime(QDate(2026, 3, 1), QTime(14, 5), QTimeZone("Europe/Bucharest"))};
    FakeScreenMetrics metrics;
    FakeVoicePlayer voice;
    FakeKeyLine keyLine;
    FakePrintSink printer;
    Database logDb{QStringLiteral("LogDb")};
    Database callDb{QStringLiteral("CallDb")};
    SpecialStations specials;
    FakeJetReader jet;
    FakeRealtimePriority realtime;
    QtKeyerDevices keyerDevices; // on a fake WinKeyer or cwdaemon where a test chooses one
    // Hamlib itself: its dummy radio (model 1) stands in for a real one.
    static std::unique_ptr<Rig> hamlibRadio(const RadioSettings& s) {
        return std::make_unique<HamlibRig>(s);
    }
    RigLink rig;
    RigCwKeyer radioCat{rig};
    QList<RigModel> rigModels = HamlibRig::models();
    ScreenServices services{run,      dialogs,      help,  clock,     metrics,   voice,
                            keyLine,  printer,      logDb, callDb,    specials,  jet,
                            realtime, keyerDevices, &rig,  &radioCat, &rigModels};
    std::unique_ptr<QsoWindow> qso;
    std::unique_ptr<SetupWindow> init;
    std::unique_ptr<LogViewWindow> logView;
};
