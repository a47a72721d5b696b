#include "ExpectedFile.h"
#include "FakeCwDaemon.h"
#include "FakeWinKeyer.h"
#include "KeyingResultName.h"
#include "platform/QtKeyerDevices.h"
#include "services/keyer/CwKeyer.h"

#include <QSignalSpy>
#include <QTest>

// How a message on a WinKeyer or cwdaemon ends.
class DeviceKeyersTest : public QObject {
    Q_OBJECT
private slots:
    void messageEnds() {
        QVERIFY(answersAsExpected("data/tables/devicekeyers.txt", [](const QString& row) {
            const QString device = row.section(QStringLiteral(": "), -1);
            FakeWinKeyer winKeyer;
            FakeCwDaemon daemon;
            daemon.replies = !device.contains(QLatin1String("silent"));
            QtKeyerDevices devices;
            const std::unique_ptr<CwKeyer> keyer =
                device.startsWith(QLatin1String("winkeyer"))
                    ? devices.winKeyer(winKeyer.device())
                    : devices.cwDaemon(QStringLiteral("127.0.0.1"), daemon.port());
            if (device.contains(QLatin1String("paddle")))
                QObject::connect(keyer.get(), &CwKeyer::progress, &winKeyer,
                                 [&] { winKeyer.breakIn(); });
            QSignalSpy finished(keyer.get(), &CwKeyer::finished);
            QString got = keyingResultName(keyer->start(QStringLiteral("TU"), 40));
            if (got == u"Started")
                got += u' ' + (finished.wait(5000)
                                   ? keyingResultName(finished[0][0].value<KeyingResult>())
                                   : QStringLiteral("never"));
            return got + (keyer->isBusy() ? " busy" : "");
        }));
    }
};

QTEST_GUILESS_MAIN(DeviceKeyersTest)
#include "DeviceKeyersTest.moc"
