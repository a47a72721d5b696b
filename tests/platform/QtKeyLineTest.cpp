#include "platform/QtKeyLine.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

class QtKeyLineTest : public QObject {
    Q_OBJECT
private slots:
    void deviceFor_data() {
        QTest::addColumn<QString>("com3Link"); // empty: no COM3 link in the data folder
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
        QTest::newRow("third port") << QString() << 3 << QStringLiteral("/dev/ttyS2");
        QTest::newRow("link wins")
            << QStringLiteral("/dev/ttyUSB0") << 3 << QStringLiteral("/dev/ttyUSB0");
        QTest::newRow("link for another port")
            << QStringLiteral("/dev/ttyUSB0") << 4 << QStringLiteral("/dev/ttyS3");
        QTest::newRow("port 0") << QString() << 0 << QString();
    }
    void deviceFor() {
        QFETCH(QString, com3Link);
        QFETCH(int, port);
        QFETCH(QString, device);
        TempDataFolder dir;
        if (!com3Link.isEmpty())
            QVERIFY(QFile::link(com3Link, dir.file(QStringLiteral("COM3"))));
        QCOMPARE(QtKeyLine(dir.path()).deviceFor(port), device);
    }

    void openFailsAndLeavesNothingOpen_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("com5Link"); // where a COM5 link points, relative to the folder
        QTest::newRow("no such device") << 5 << QStringLiteral("absent/ttyUSB9");
        QTest::newRow("not a serial device") << 5 << QStringLiteral("plain.txt");
    }
    void openFailsAndLeavesNothingOpen() {
        QFETCH(int, port);
        QFETCH(QString, com5Link);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("plain.txt"), "not a port"));
        if (!com5Link.isEmpty())
            QVERIFY(QFile::link(dir.file(com5Link), dir.file(QStringLiteral("COM5"))));
        QtKeyLine line(dir.path());
        QVERIFY(!line.open(port));
        QVERIFY(!line.isOpen());
        line.setDtr(true); // ignored while closed
        line.close();
        QVERIFY(!line.isOpen());
    }

#ifdef Q_OS_LINUX
    // A pseudo-terminal opens like a port but has no modem lines: it cannot key,
    // so it is refused.
    void portWithoutControlLinesIsRefused() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        TempDataFolder dir;
        QVERIFY(
            QFile::link(QString::fromLocal8Bit(ptsname(master)), dir.file(QStringLiteral("COM2"))));
        QtKeyLine line(dir.path());
        QVERIFY(!line.open(2));
        QVERIFY(!line.isOpen());
        ::close(master);
    }
#endif
};

QTEST_MAIN(QtKeyLineTest)
#include "QtKeyLineTest.moc"
