#include "platform/HamlibRig.h"
#include "base/KeptSettings.h"
#include "engine/EngineFixture.h"
#include "engine/EntryModel.h"
#include "services/radio/RigLink.h"
#include "services/reports/Adif.h"
#include "services/reports/Cabrillo.h"
#include "store/LogReader.h"

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
    const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&a), size) == 0 &&
                       ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) == 0;
    ::close(s);
    if (!bound)
        qFatal("no free local port");
    return ntohs(a.sin_port);
}

// The operator's QSO screen model on a contest log, following the radio its settings name.
struct Station {
    EngineFixture f{QStringLiteral("CampNatUS")};
    RigLink link{[](const RadioSettings& s) { return std::make_unique<HamlibRig>(s); }};
    std::unique_ptr<EntryModel> entry;

    explicit Station(const RadioSettings& radio) {
        QVERIFY(KeptSettings(f.dir.path()).keepRadio(radio));
        entry = std::make_unique<EntryModel>(f.app, f.log(), f.calls(), f.specials, f.clock, &link);
    }
    // Logs a contact with `call`: its `ID` and stored frequency.
    std::pair<qint64, QVariant> log(const QString& call) {
        entry->log(call, QStringLiteral("001"), QStringLiteral("CJ"));
        const qint64 id = f.log().scalar(QStringLiteral("SELECT max(ID) FROM LogGen")).toLongLong();
        return {id, f.log().scalar(QStringLiteral("SELECT Frecv FROM LogGen WHERE ID = ?"), {id})};
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
        const QsoEntry& model = station.entry->model;
        QTRY_VERIFY_WITH_TIMEOUT(model.radioReading().has_value(), 10000);
        QCOMPARE(*model.radioReading(), (RigReading{3525400, QStringLiteral("CW")}));
        const auto [tuned, frequency] = station.log(QStringLiteral("YO5BBB"));
        QCOMPARE(frequency, QVariant(qint64(3525400)));
        const std::optional<LogRow> row = *LogStore(station.f.log()).row(tuned);
        QVERIFY(row);
        const ContestDef& def = station.f.app.contest();
        QCOMPARE(Cabrillo::qsoLine(*row, QStringLiteral("YO9AAA"), def)->left(14),
                 QStringLiteral("QSO: 3525  CW "));
        QVERIFY(Adif::qsoRecord(*row, def)->contains(QStringLiteral("<FREQ:8>3.525400")));

        daemon.kill();
        QVERIFY(daemon.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!model.radioSilence().isEmpty(), 20000);
        QVERIFY(!model.radioReading());
        const auto [untuned, none] = station.log(QStringLiteral("YO6CCC"));
        QCOMPARE(untuned, tuned + 1);
        QVERIFY(none.isNull());
        QVERIFY(station.entry->model.notices().isEmpty());
    }
};

QTEST_GUILESS_MAIN(HamlibRigTest)
#include "HamlibRigTest.moc"
