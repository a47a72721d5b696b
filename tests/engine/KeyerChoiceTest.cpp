#include "keyer/KeyerChoice.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeKeyerDevices.h"
#include "fakes/FakeRealtimePriority.h"

#include <QSignalSpy>
#include <QTest>

// The keyer the radio settings choose, and the serial line where they cannot be used.
class KeyerChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data() {
        QTest::addColumn<int>("kind"); // KeyerKind
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("withRadio");
        QTest::addColumn<QString>("keyedBy"); // "serial line", "radio" or the device's name
        QTest::addColumn<bool>("notice");
        const auto row = [](const char* name, KeyerKind kind, const char* address, bool radio,
                            const char* keyedBy, bool notice) {
            QTest::newRow(name) << static_cast<int>(kind) << address << radio << keyedBy << notice;
        };
        row("serial line", KeyerKind::SerialLine, "", true, "serial line", false);
        row("WinKeyer", KeyerKind::WinKeyer, "/dev/ttyUSB0", false, "winkeyer /dev/ttyUSB0", false);
        row("WinKeyer without port", KeyerKind::WinKeyer, " ", false, "serial line", true);
        row("cwdaemon", KeyerKind::CwDaemon, "radio.local", false, "cwdaemon radio.local:6789",
            false);
        row("cwdaemon without host", KeyerKind::CwDaemon, "", false, "serial line", true);
        row("CAT", KeyerKind::RadioCat, "", true, "radio", false);
        row("CAT without rig control", KeyerKind::RadioCat, "", false, "serial line", true);
    }
    void choice() {
        QFETCH(int, kind);
        QFETCH(QString, address);
        QFETCH(bool, withRadio);
        QFETCH(QString, keyedBy);
        QFETCH(bool, notice);
        FakeKeyLine line;
        FakeRealtimePriority realtime;
        FakeKeyerDevices devices;
        FakeCwKeyer radio;
        KeyerChoice keyers(
            line, realtime, [] { return 1; }, devices);
        RadioSettings s;
        s.keyer = static_cast<KeyerKind>(kind);
        s.winKeyerPort = address;
        s.cwDaemonHost = address;
        QCOMPARE(keyers.choose(s, withRadio ? &radio : nullptr).isEmpty(), !notice);
        QCOMPARE(keyers.start(QStringLiteral("E"), 40), KeyingResult::Started);
        QString used = line.openCalls().isEmpty() ? QString() : QStringLiteral("serial line");
        if (!radio.texts.isEmpty())
            used = QStringLiteral("radio");
        if (!devices.made.isEmpty() && !devices.made[0]->texts.isEmpty())
            used = devices.names[0];
        QCOMPARE(used, keyedBy);
        QSignalSpy finished(&keyers, &CwKeyer::finished);
        keyers.abort();
        QVERIFY(finished.wait(2000));
    }

    // Another choice while a message goes out aborts it; its end still comes through, and
    // nothing starts before it.
    void choiceDuringAMessage() {
        FakeKeyLine line;
        FakeRealtimePriority realtime;
        FakeKeyerDevices devices;
        KeyerChoice keyers(
            line, realtime, [] { return 1; }, devices);
        RadioSettings s;
        s.keyer = KeyerKind::CwDaemon;
        QVERIFY(keyers.choose(s, nullptr).isEmpty());
        QCOMPARE(keyers.start(QStringLiteral("TEST"), 40), KeyingResult::Started);
        QSignalSpy finished(&keyers, &CwKeyer::finished);
        s.keyer = KeyerKind::WinKeyer;
        s.winKeyerPort = QStringLiteral("/dev/ttyUSB1");
        QVERIFY(keyers.choose(s, nullptr).isEmpty());
        QCOMPARE(keyers.start(QStringLiteral("E"), 40), KeyingResult::Busy);
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished[0][0].value<KeyingResult>(), KeyingResult::Aborted);
        QCOMPARE(keyers.start(QStringLiteral("E"), 40), KeyingResult::Started);
        QCOMPARE(devices.made.last()->texts, QStringList{"E"});
    }
};

QTEST_GUILESS_MAIN(KeyerChoiceTest)
#include "KeyerChoiceTest.moc"
