#include "FakeCwDaemon.h"
#include "FakeWinKeyer.h"
#include "platform/QtKeyerDevices.h"
#include "services/keyer/CwKeyer.h"

#include <QSignalSpy>
#include <QTest>

// How a message on a WinKeyer or cwdaemon ends.
class DeviceKeyersTest : public QObject {
    Q_OBJECT
private slots:
    void messageEnds_data() {
        QTest::addColumn<QString>("device");
        // what start() answers, then how the message ends
        QTest::addColumn<QList<KeyingResult>>("results");
        using R = KeyingResult;
        QTest::newRow("WinKeyer, to its end") << "winkeyer" << QList{R::Started, R::Done};
        QTest::newRow("WinKeyer, the paddle") << "winkeyer paddle" << QList{R::Started, R::Aborted};
        QTest::newRow("cwdaemon, its reply") << "cwdaemon" << QList{R::Started, R::Done};
        QTest::newRow("cwdaemon, no reply")
            << "cwdaemon silent" << QList{R::Started, R::Done}; // after the Morse length
    }
    void messageEnds() {
        QFETCH(QString, device);
        QFETCH(QList<KeyingResult>, results);
        FakeWinKeyer winKeyer;
        FakeCwDaemon daemon;
        daemon.replies = !device.contains(QLatin1String("silent"));
        QtKeyerDevices devices;
        const std::unique_ptr<CwKeyer> keyer =
            device.startsWith(QLatin1String("winkeyer"))
                ? devices.winKeyer(winKeyer.device())
                : devices.cwDaemon(QStringLiteral("127.0.0.1"), daemon.port());
        if (device.contains(QLatin1String("paddle")))
            connect(keyer.get(), &CwKeyer::progress, &winKeyer, [&] { winKeyer.breakIn(); });
        QSignalSpy finished(keyer.get(), &CwKeyer::finished);

        QList<KeyingResult> got{keyer->start(QStringLiteral("TU"), 40)};
        if (got[0] == KeyingResult::Started) {
            QVERIFY(finished.wait(5000));
            got << finished[0][0].value<KeyingResult>();
            QVERIFY(!keyer->isBusy());
        }
        QCOMPARE(got, results);
    }
};

QTEST_GUILESS_MAIN(DeviceKeyersTest)
#include "DeviceKeyersTest.moc"
