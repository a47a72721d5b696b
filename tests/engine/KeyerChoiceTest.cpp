#include "services/keyer/KeyerChoice.h"
#include "ExpectedFile.h"
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
    void choice() {
        QVERIFY(answersAsExpected("data/tables/keyerchoice.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            FakeKeyLine line;
            FakeRealtimePriority realtime;
            NamedDevices devices;
            NamedKeyer radio(QStringLiteral("radio"), devices.used);
            KeyerChoice keyers(
                line, realtime, [] { return 1; }, devices);
            RadioSettings s;
            s.keyer = static_cast<KeyerKind>(f[0].toInt());
            s.winKeyerPort = s.cwDaemonHost = f[1];
            const bool notice = !keyers.choose(s, f[2] == u'1' ? &radio : nullptr).isEmpty();
            const bool started = keyers.start(QStringLiteral("E"), 40) == KeyingResult::Started;
            keyers.abort();
            // The serial line is opened only when it keys.
            if (!started || line.openCalls().size() != (devices.used.isEmpty() ? 1 : 0))
                return QStringLiteral("not started on one keyer");
            return (devices.used.isEmpty() ? QStringLiteral("-") : devices.used) + u'|' +
                   QString::number(int(notice));
        }));
    }
};

QTEST_GUILESS_MAIN(KeyerChoiceTest)
#include "KeyerChoiceTest.moc"
