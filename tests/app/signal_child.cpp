// The program's screens on fakes, ended by a signal: logs a contact, starts F1 ("cw" on the
// serial line, "voice" with PTT by CAT), prints the data folder and "keyed" once the transmitter
// is on, and after ending as the program does prints what was left keyed.
#include "ScreenHarness.h"
#include "app/OrderlyExit.h"
#include "fakes/FakeRig.h"
#include "services/reports/ReportFiles.h"
#include "store/BackupSet.h"

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool voice = argc > 1 && QByteArray(argv[1]) == "voice";
    auto radio = std::make_shared<FakeRig::Shared>();
    ScreenHarness h(true,
                    [radio](const RadioSettings&) { return std::make_unique<FakeRig>(radio); });
    h.folder.keep();
    BackupSet copies(ReportFiles::backupFolder(h.folder.path()), QStringLiteral("LogVELT"),
                     h.clock);
    h.logDb.keepCopiesIn(&copies);
    h.folder.write(QStringLiteral("VELTRadio.ini"), voice ? "[Rig]\nmodel=1\npttByCat=true\n" : "");
    h.writeRecordings();
    h.voice.playTime = std::chrono::seconds(60);
    h.openQso("OpBCNUS", QStringLiteral("312"), "Cmd1A", voice ? "CmdSSB" : "CmdCW", [&] {
        h.initBox("TxtCP")->setText(QStringLiteral("2"));
        h.click(h.init.get(), voice ? "OpbSSBJ" : "OpbCwJ");
        h.initBox("TxtF1")->setText(QString(200, u'0'));
    });
    if (voice && !QTest::qWaitFor([&] { return h.radioShown(); }, 10000))
        return 3;
    h.typeContact(QStringLiteral("3ABD"), QStringLiteral("001"), QStringLiteral("CJ"));
    h.key(Qt::Key_Return);
    QTest::keyClick(h.qsoBox("TxtIndic"), Qt::Key_F1);
    const auto lastCall = [&] {
        const std::lock_guard lock(radio->mutex);
        return radio->calls.isEmpty() ? QStringLiteral("-") : radio->calls.last();
    };
    if (!QTest::qWaitFor([&] { return voice ? lastCall() == u"ptt 1" : h.keyLine.rts(); }, 10000))
        return 4;
    const OrderlyExit::QuitOnSignals quitOnSignals;
    std::printf("%s\nkeyed\n", qPrintable(h.folder.path()));
    std::fflush(stdout);
    const int status = QApplication::exec();
    OrderlyExit::finish(h.qso, h.rig, {&h.logDb, &h.callDb}, h.dialogs);
    std::printf("dtr=%d rts=%d open=%d ptt=%s\n", h.keyLine.dtr(), h.keyLine.rts(),
                h.keyLine.isOpen(), qPrintable(lastCall()));
    return status;
}
