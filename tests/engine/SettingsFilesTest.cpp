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
        rec.qth = QStringLiteral(u"Ploie\u015Fti"); // s-cedilla is 0xBA in Windows-1250
        rec.club = QStringLiteral("YO9KXX");
        QVERIFY(writeInitFile(dir.path(), rec));
        const QByteArray expected = "YO9ABC\r\n2\r\nPH\r\nSOAB\r\nIon Popescu\r\n 1 \r\nPloie\xba"
                                    "ti\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nYO9KXX\r\n";
        QCOMPARE(dir.read(QStringLiteral("VELTInit.dat")), expected);

        SettingsRecord back;
        QVERIFY(readInitFile(dir.path(), back));
        QCOMPARE(back.qth, rec.qth);
        QCOMPARE(back.operatorCount, 1);
        QCOMPARE(back.club, rec.club);
    }

    void offsetReadFromFileIsWrittenAsNumber() {
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("VELTInit.dat"), "YO3X\r\n 2 \r\nBU\r\n"));
        SettingsRecord rec;
        QVERIFY(!readInitFile(dir.path(), rec)); // short file: read failure after line 3
        QCOMPARE(rec.utcOffset.hours(), 2);
        QVERIFY(rec.utcOffset.numeric);
        QCOMPARE(rec.myCounty, QStringLiteral("BU"));
        QVERIFY(writeInitFile(dir.path(), rec));
        QVERIFY(dir.read(QStringLiteral("VELTInit.dat")).startsWith("YO3X\r\n 2 \r\nBU\r\n"));
    }

    void cwTextsRoundTrip() {
        TempDataFolder dir;
        SettingsRecord rec;
        rec.cwTexts = {QStringLiteral("CQ TEST #1, \"YO\" TEST"),
                       QStringLiteral("#2 5NN #3"),
                       QStringLiteral("TU"),
                       QStringLiteral("#1"),
                       QStringLiteral(""),
                       QStringLiteral("AGN?"),
                       QStringLiteral("  LEADING")};
        rec.comPort = 3;
        QVERIFY(writeTextCwFile(dir.path(), rec));
        QVERIFY(
            dir.read(QStringLiteral("VELTTextCw.dat")).endsWith("AGN?\r\n  LEADING\r\n 3 \r\n"));
        SettingsRecord back;
        QVERIFY(readTextCwFile(dir.path(), back));
        QCOMPARE(back.cwTexts[0], rec.cwTexts[0]);
        QCOMPARE(back.cwTexts[1], rec.cwTexts[1]);
        QCOMPARE(back.cwTexts[6], QStringLiteral("LEADING")); // leading blanks are skipped
        QCOMPARE(back.comPort, 3);
    }

    void readFailuresKeepEarlierValues_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("f7");
        QTest::newRow("no final CRLF") << QByteArray("a\nb\nc\nd\ne\nf\ng\n4") << 4 << "g";
        QTest::newRow("non-numeric port")
            << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nx\r\n") << 9 << "g";
    }
    void readFailuresKeepEarlierValues() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, port);
        QFETCH(QString, f7);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("VELTTextCw.dat"), bytes));
        SettingsRecord rec;
        rec.comPort = 9;
        rec.cwTexts[6] = QStringLiteral("old");
        readTextCwFile(dir.path(), rec);
        QCOMPARE(rec.cwTexts[0], QStringLiteral("a"));
        QCOMPARE(rec.cwTexts[6], f7);
        QCOMPARE(rec.comPort, port);
    }

    // A bad operator count loses nothing: the lines below it are read and written back.
    void badOperatorCountKeepsTheRest() {
        const QByteArray count = "99999";
        TempDataFolder dir;
        const QByteArray tail = "\r\nBRASOV\r\nSTR. LUNGA 1\r\nFT-1000\r\nFT-1000\r\nDIPOL\r\n"
                                "\r\n\r\n\r\nYO5KAD\r\n";
        QVERIFY(dir.write(QStringLiteral("VELTInit.dat"),
                          "YO5OHO\r\n2\r\nBV\r\nSOAB\r\nION\r\n" + count + tail));
        SettingsRecord rec;
        QVERIFY(!readInitFile(dir.path(), rec));
        QCOMPARE(rec.address, QStringLiteral("STR. LUNGA 1"));
        QCOMPARE(rec.club, QStringLiteral("YO5KAD"));
        QVERIFY(writeInitFile(dir.path(), rec));
        QVERIFY(dir.read(QStringLiteral("VELTInit.dat")).endsWith(" 0 " + tail));
    }

    // Ș ș Ț ț are written with cedilla; a character the code page cannot hold is refused and the
    // old file kept (the set-up screen's test reads the letters back after a restart).
    void codePageLetters() {
        TempDataFolder dir;
        SettingsRecord rec;
        rec.myCounty = QStringLiteral(u"\u0218TEFAN \u021Aic\u0103");
        QVERIFY(writeInitFile(dir.path(), rec));
        const QByteArray before = dir.read(QStringLiteral("VELTInit.dat"));
        QVERIFY(before.contains("\xaaTEFAN \xdeic\xe3"));
        rec.club = QStringLiteral(u"\u00D1\u4E2D");
        const QString refused = writeInitFile(dir.path(), rec).error();
        QVERIFY2(refused.contains(QStringLiteral(u"\"\u00D1\u4E2D\"")), qPrintable(refused));
        QCOMPARE(dir.read(QStringLiteral("VELTInit.dat")), before);
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "SettingsFilesTest.moc"
