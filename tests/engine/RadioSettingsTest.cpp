#include "base/KeptSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class RadioSettingsTest : public QObject {
    Q_OBJECT
private slots:
    // No file gives the defaults; what is saved is read back.
    void defaultsThenSavedAsRead() {
        QTemporaryDir dir;
        const auto [defaults, problem] = KeptSettings(dir.path()).radio();
        QCOMPARE(defaults, RadioSettings());
        QVERIFY(problem.isEmpty());
        RadioSettings s;
        s.keyer = KeyerKind::RadioCat;
        s.winKeyerPort = QStringLiteral("/dev/ttyUSB1");
        s.cwDaemonHost = QStringLiteral("shack");
        s.cwDaemonPort = 65535;
        s.rigModel = 3073;
        s.rigPort = QStringLiteral("/dev/serial/by-id/usb-Icom");
        s.rigBaud = 19200;
        s.pttByCat = true;
        QVERIFY(KeptSettings(dir.path()).keepRadio(s));
        const auto [back, backProblem] = KeptSettings(dir.path()).radio();
        QVERIFY(backProblem.isEmpty());
        QCOMPARE(back, s);
    }

    // A value that cannot be read is named and keeps its default; the others are kept.
    void badValueNamedOthersKept_data() {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown keyer") << QByteArray("[Keyer]\nkind=morse\n") << "Keyer/kind";
        QTest::newRow("port 0") << QByteArray("[Keyer]\ncwdaemonPort=0\n") << "Keyer/cwdaemonPort";
        QTest::newRow("port 65536")
            << QByteArray("[Keyer]\ncwdaemonPort=65536\n") << "Keyer/cwdaemonPort";
        QTest::newRow("model -1") << QByteArray("[Keyer]\n[Rig]\nmodel=-1\n") << "Rig/model";
        QTest::newRow("rigctld port beyond 65535")
            << QByteArray("[Keyer]\n[Rig]\nmodel=2\nport=localhost:99999999999\n")
            << "Rig/port=localhost:99999999999";
    }
    void badValueNamedOthersKept() {
        QFETCH(QByteArray, bad);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QFile file(KeptSettings(dir.path()).radioPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bad.replace("[Keyer]\n", "[Keyer]\nwinkeyerPort=/dev/ttyUSB0\n"));
        file.close();
        const auto [settings, problem] = KeptSettings(dir.path()).radio();
        QVERIFY(problem.contains(named));
        QCOMPARE(settings.winKeyerPort, QStringLiteral("/dev/ttyUSB0"));
    }

    void problemOfTheChoice_data() {
        // keyer, model, port, PTT by CAT; the start of the reason, empty when they can work
        QTest::addColumn<int>("keyer");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("ptt");
        QTest::addColumn<QString>("reason");
        QTest::newRow("WinKeyer without port") << 1 << 0 << "" << false << "Scrieti portul";
        QTest::newRow("CAT keyer without radio") << 3 << 0 << "" << false << "Pentru CW";
        QTest::newRow("PTT by CAT without radio") << 0 << 0 << "" << true << "Pentru CW";
        QTest::newRow("rigctld, default address") << 3 << 2 << "" << true << "";
        QTest::newRow("rigctld port 65535") << 0 << 2 << "shack:65535" << false << "";
        QTest::newRow("rigctld port 65536") << 0 << 2 << "shack:65536" << false << "Adresa";
        QTest::newRow("rigctld without host") << 0 << 2 << ":4532" << false << "Adresa";
    }
    void problemOfTheChoice() {
        QFETCH(int, keyer);
        QFETCH(int, model);
        QFETCH(QString, port);
        QFETCH(bool, ptt);
        QFETCH(QString, reason);
        RadioSettings s;
        s.keyer = static_cast<KeyerKind>(keyer);
        s.rigModel = model;
        s.rigPort = port;
        s.pttByCat = ptt;
        const QString problem = s.problem();
        QCOMPARE(problem.isEmpty(), reason.isEmpty());
        QCOMPARE(problem.left(reason.size()), reason);
    }
};

QTEST_GUILESS_MAIN(RadioSettingsTest)
#include "RadioSettingsTest.moc"
