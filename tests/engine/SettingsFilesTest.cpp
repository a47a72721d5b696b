#include "base/SettingsFiles.h"
#include "ExpectedFile.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace SettingsFiles;

class SettingsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void utcOffsetBounds() {
        QVERIFY(answersAsExpected("data/tables/utcoffsets.txt", [](const QString& typed) {
            return QString::number(int(UtcOffset::typed(typed).isReal()));
        }));
    }

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
        QVERIFY(!readInitFile(dir.path(), rec).valueOr(true));
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
        QVERIFY(readTextCwFile(dir.path(), rec).ok());
        QCOMPARE(rec.cwTexts[0], QStringLiteral("a"));
        QCOMPARE(rec.cwTexts[6], QStringLiteral("g"));
        QCOMPARE(rec.comPort, port);
    }

    // What Notepad saves: a UTF-8 mark is no part of the first line; UTF-16 is refused, naming
    // the file, and is never replaced.
    void foreignEncodings_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstLine"); // empty when refused
        const QString init = QStringLiteral("VELTInit.dat");
        const QString texts = QStringLiteral("VELTTextCw.dat");
        QTest::newRow("UTF-8 mark, station")
            << init << QByteArray("\xef\xbb\xbfYO3ABC\r\n") << "YO3ABC";
        QTest::newRow("UTF-16 LE mark") << init << QByteArray("\xff\xfeY\0O\0\r\0\n\0", 10) << "";
        QTest::newRow("UTF-16 BE mark") << texts << QByteArray("\xfe\xff\0C\0Q\0\r\0\n", 10) << "";
        QTest::newRow("UTF-16 LE, no mark") << init << QByteArray("Y\0O\0\r\0\n\0", 8) << "";
    }
    void foreignEncodings() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstLine);
        TempDataFolder dir;
        QVERIFY(dir.write(file, bytes));
        const bool station = file == QStringLiteral("VELTInit.dat");
        SettingsRecord rec;
        rec.myCall = rec.cwTexts[0] = QStringLiteral("KEPT");
        const Outcome<bool> read =
            station ? readInitFile(dir.path(), rec) : readTextCwFile(dir.path(), rec);
        QCOMPARE(station ? rec.myCall : rec.cwTexts[0],
                 firstLine.isEmpty() ? QStringLiteral("KEPT") : firstLine);
        QCOMPARE(read.ok(), !firstLine.isEmpty());
        if (read.ok())
            return;
        QVERIFY2(read.error().contains(file) && read.error().contains(QStringLiteral("ANSI")),
                 qPrintable(read.error()));
        const Outcome<void> written =
            station ? writeInitFile(dir.path(), rec) : writeTextCwFile(dir.path(), rec);
        QCOMPARE(written.error(), read.error());
        QCOMPARE(dir.read(file), bytes);
    }

    // A text is written whole or refused, never cut.
    void textLimit() {
        QVERIFY(answersAsExpected("data/tables/textlimit.txt", [](const QString& length) {
            TempDataFolder dir;
            SettingsRecord rec;
            rec.cwTexts[6] = QString(length.toInt(), u'E');
            const Outcome<void> written = writeTextCwFile(dir.path(), rec);
            return QStringLiteral("%1 bytes written").arg(dir.read("VELTTextCw.dat").size()) +
                   (written ? QString() : QStringLiteral(" | ") + written.error());
        }));
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "SettingsFilesTest.moc"
