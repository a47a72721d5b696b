#include "setup/SettingsFiles.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace SettingsFiles;

class SettingsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void writesInitFileByteForByte() {
        TempDataFolder dir;
        SettingsRecord rec;
        rec.myCall = QStringLiteral("YO9ABC");
        rec.utcOffset = UtcOffset::typed(QStringLiteral("2"));
        rec.myCounty = QStringLiteral("PH");
        rec.section = QStringLiteral("SOAB");
        rec.operators = QStringLiteral("Ion Popescu");
        rec.operatorCount = 1;
        rec.qth = QStringLiteral(u"\u0218\u0219\u021A\u021B Ploie\u015Fti"); // all with cedilla
        rec.club = QStringLiteral("YO9KXX");
        QVERIFY(writeInitFile(dir.path(), rec));
        const QByteArray expected =
            "YO9ABC\r\n2\r\nPH\r\nSOAB\r\nIon Popescu\r\n 1 \r\n"
            "\xaa\xba\xde\xfe Ploie\xbati\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nYO9KXX\r\n";
        QCOMPARE(dir.read(QStringLiteral("VELTInit.dat")), expected);
        // A character the code page cannot hold is refused and the old file kept.
        rec.club = QStringLiteral(u"\u00D1\u4E2D");
        const QString refused = writeInitFile(dir.path(), rec).error();
        QVERIFY2(refused.contains(QStringLiteral(u"\"\u00D1\u4E2D\"")), qPrintable(refused));
        QCOMPARE(dir.read(QStringLiteral("VELTInit.dat")), expected);
    }

    // A short file or a bad number loses nothing: what was read is written back as it was.
    void damagedInitFileIsWrittenBackWhole_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray tail = "\r\nBRASOV\r\nSTR. LUNGA 1\r\nFT-1000\r\nFT-1000\r\nDIPOL\r\n"
                                "\r\n\r\n\r\nYO5KAD\r\n";
        QTest::newRow("short, offset as number")
            << QByteArray("YO3X\r\n 2 \r\nBU\r\n") << QByteArray("YO3X\r\n 2 \r\nBU\r\n");
        QTest::newRow("bad operator count")
            << "YO5OHO\r\n2\r\nBV\r\nSOAB\r\nION\r\n99999" + tail << " 0 " + tail;
    }
    void damagedInitFileIsWrittenBackWhole() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, kept);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("VELTInit.dat"), file));
        SettingsRecord rec;
        QVERIFY(!readInitFile(dir.path(), rec));
        QVERIFY(writeInitFile(dir.path(), rec));
        QVERIFY(dir.read(QStringLiteral("VELTInit.dat")).contains(kept));
    }

    // A damaged line keeps the value it would have replaced.
    void readsTextCwFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("port");
        QTest::newRow("leading blanks skipped")
            << QByteArray("  a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n 3 \r\n") << 3;
        QTest::newRow("no final CRLF") << QByteArray("a\nb\nc\nd\ne\nf\ng\n4") << 4;
        QTest::newRow("non-numeric port")
            << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nx\r\n") << 9;
    }
    void readsTextCwFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, port);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("VELTTextCw.dat"), bytes));
        SettingsRecord rec;
        rec.comPort = 9;
        readTextCwFile(dir.path(), rec);
        QCOMPARE(rec.cwTexts[0], QStringLiteral("a"));
        QCOMPARE(rec.cwTexts[6], QStringLiteral("g"));
        QCOMPARE(rec.comPort, port);
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "SettingsFilesTest.moc"
