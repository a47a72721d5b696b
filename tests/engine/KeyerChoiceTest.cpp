#include "services/keyer/KeyerChoice.h"
#include "base/seams/KeyerDevices.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"

#include <QTest>

namespace {
// A keyer that only says who it is when a message starts on it.
struct NamedKeyer : CwKeyer {
    NamedKeyer(QString keyerName, QString& lastUsed) : name(std::move(keyerName)), used(lastUsed) {}
    KeyingResult start(const QString&, int) override {
        used = name;
        return KeyingResult::Started;
    }
    void abort() override {}
    bool isBusy() const override { return false; }
    QString name;
    QString& used;
};

struct NamedDevices : KeyerDevices {
    std::unique_ptr<CwKeyer> winKeyer(const QString& device) override {
        return std::make_unique<NamedKeyer>("winkeyer " + device, used);
    }
    std::unique_ptr<CwKeyer> cwDaemon(const QString& host, quint16 port) override {
        return std::make_unique<NamedKeyer>(QStringLiteral("cwdaemon %1:%2").arg(host).arg(port),
                                            used);
    }
    QString used;
};
} // namespace

// The keyer the radio settings choose, and the serial line where they cannot be used.
class KeyerChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choice_data() {
        QTest::addColumn<int>("kind"); // KeyerKind
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("withRadio");
        QTest::addColumn<QString>("keyedBy"); // empty: the serial line
        QTest::addColumn<bool>("notice");
        const auto row = [](const char* name, KeyerKind kind, const char* address, bool radio,
                            const char* keyedBy, bool notice) {
            QTest::newRow(name) << int(kind) << address << radio << keyedBy << notice;
        };
        row("serial line", KeyerKind::SerialLine, "", true, "", false);
        row("WinKeyer", KeyerKind::WinKeyer, "/dev/ttyUSB0", false, "winkeyer /dev/ttyUSB0", false);
        row("WinKeyer without port", KeyerKind::WinKeyer, " ", false, "", true);
        row("cwdaemon", KeyerKind::CwDaemon, "shack", false, "cwdaemon shack:6789", false);
        row("cwdaemon without host", KeyerKind::CwDaemon, "", false, "", true);
        row("CAT", KeyerKind::RadioCat, "", true, "radio", false);
        row("CAT without rig control", KeyerKind::RadioCat, "", false, "", true);
    }
    void choice() {
        QFETCH(int, kind);
        QFETCH(QString, address);
        QFETCH(bool, withRadio);
        QFETCH(QString, keyedBy);
        QFETCH(bool, notice);
        FakeKeyLine line;
        FakeRealtimePriority realtime;
        NamedDevices devices;
        NamedKeyer radio(QStringLiteral("radio"), devices.used);
        KeyerChoice keyers(
            line, realtime, [] { return 1; }, devices);
        RadioSettings s;
        s.keyer = static_cast<KeyerKind>(kind);
        s.winKeyerPort = address;
        s.cwDaemonHost = address;
        QCOMPARE(keyers.choose(s, withRadio ? &radio : nullptr).isEmpty(), !notice);
        QCOMPARE(keyers.start(QStringLiteral("E"), 40), KeyingResult::Started);
        QCOMPARE(devices.used, keyedBy);
        QCOMPARE(line.openCalls().size(), keyedBy.isEmpty() ? 1 : 0);
        keyers.abort();
    }
};

QTEST_GUILESS_MAIN(KeyerChoiceTest)
#include "KeyerChoiceTest.moc"
