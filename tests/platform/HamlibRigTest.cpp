#include "platform/HamlibRig.h"
#include "engine/EngineFixture.h"
#include "entry/QsoEntry.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeVoicePlayer.h"
#include "radio/RigLink.h"
#include "reports/Adif.h"
#include "reports/Cabrillo.h"
#include "reports/LogReader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A localhost port nobody listens on now.
int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), size);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
    ::close(s);
    return ntohs(a.sin_port);
}

// The operator's QSO screen model on a contest log, following the radio its settings name.
struct Station {
    EngineFixture f{QStringLiteral("CampNatUS")};
    FakeDialogs dialogs;
    FakeKeyLine keyLine;
    FakeVoicePlayer voice;
    FakeRealtimePriority realtime;
    RigLink link{[](const RadioSettings& s) { return std::make_unique<HamlibRig>(s); }};
    std::unique_ptr<QsoEntry> model;

    explicit Station(const RadioSettings& radio) {
        f.app.appPath = f.dir.path();
        QVERIFY(RadioSettingsFile::save(f.dir.path(), radio));
        model =
            std::make_unique<QsoEntry>(EntryServices{f.app, f.log(), f.calls(), f.specials, f.clock,
                                                     dialogs, keyLine, voice, realtime, &link});
        model->start();
        model->chooseStage(1);
        model->chooseCw();
    }
    qint64 log(const QString& call) {
        model->setText(EntryField::Callsign, call);
        QChar space = u' ';
        if (!model->keyDown(EntryField::Callsign, {Qt::Key_Space, {}, space}))
            model->keyPress(EntryField::Callsign, space);
        model->setText(EntryField::CodeReceived, QStringLiteral("001"));
        model->setText(EntryField::CountyReceived, QStringLiteral("CJ"));
        model->logContact();
        return f.log().scalar(QStringLiteral("SELECT max(ID) FROM LogGen")).toLongLong();
    }
    QVariant frequencyOf(qint64 id) {
        return f.log().scalar(QStringLiteral("SELECT Frecv FROM LogGen WHERE ID = ?"), {id});
    }
};
} // namespace

class HamlibRigTest : public QObject {
    Q_OBJECT
private slots:
    // Hamlib's dummy radio, in this process: everything the program asks of a radio.
    void dummyRadio() {
        RadioSettings s;
        s.rigModel = 1;
        s.pttByCat = true;
        HamlibRig rig(s);
        QVERIFY(rig.open());
        const Outcome<RigReading> r = rig.read();
        QVERIFY2(r, qPrintable(r.error()));
        QCOMPARE(*r, (RigReading{145000000, QStringLiteral("FM")}));
        QVERIFY(rig.setKeyerSpeed(28));
        QVERIFY(rig.sendMorse(QStringLiteral("CQ TEST")));
        const Outcome<void> ptt = rig.setPtt(true);
        QVERIFY2(ptt, qPrintable(ptt.error()));
        QVERIFY(rig.setPtt(false));
        QVERIFY(HamlibRig::models().size() > 100);
    }

    // rigctld on localhost: the frequency stored with the contact and exported; rigctld killed
    // mid-contest: said once on the screen, and the next contact is logged without one.
    void rigctldStoredExportedAndLost() {
        const QString rigctld = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
        if (rigctld.isEmpty())
            QSKIP("rigctld (libhamlib-utils) is not installed");
        const QString address = QStringLiteral("127.0.0.1:%1").arg(freePort());
        QProcess daemon;
        daemon.start(rigctld, {"-m", "1", "-T", "127.0.0.1", "-t", address.section(u':', 1)});
        QVERIFY(daemon.waitForStarted());
        const auto tune = [&] {
            return QProcess::execute(QStandardPaths::findExecutable(QStringLiteral("rigctl")),
                                     {"-m", "2", "-r", address, "F", "3525400", "M", "CW", "0"});
        };
        QTRY_COMPARE_WITH_TIMEOUT(tune(), 0, 10000);

        RadioSettings radio;
        radio.rigModel = RadioSettings::kNetworkModel;
        radio.rigPort = address;
        Station station(radio);
        QTRY_VERIFY_WITH_TIMEOUT(station.model->radioReading().has_value(), 10000);
        QCOMPARE(*station.model->radioReading(), (RigReading{3525400, QStringLiteral("CW")}));
        const qint64 tuned = station.log(QStringLiteral("YO5BBB"));
        QCOMPARE(station.frequencyOf(tuned), QVariant(qint64(3525400)));
        const std::optional<LogRow> row = LogStore(station.f.log()).row(tuned);
        QVERIFY(row);
        const ContestDef& def = station.f.app.contest();
        QCOMPARE(Cabrillo::qsoLine(*row, QStringLiteral("YO9AAA"), def).line.left(14),
                 QStringLiteral("QSO: 3525  CW "));
        QVERIFY(Adif::qsoRecord(*row, def).line.contains(QStringLiteral("<FREQ:8>3.525400")));

        daemon.kill();
        QVERIFY(daemon.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!station.model->radioSilence().isEmpty(), 20000);
        QVERIFY(!station.model->radioReading());
        const qint64 untuned = station.log(QStringLiteral("YO6CCC"));
        QCOMPARE(untuned, tuned + 1);
        QVERIFY(station.frequencyOf(untuned).isNull());
        QVERIFY(station.dialogs.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(HamlibRigTest)
#include "HamlibRigTest.moc"
