#include "reports/ReportFiles.h"
#include "TempDataFolder.h"
#include "reports/SafeFile.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace ReportFiles;

class ReportFilesTest : public QObject {
    Q_OBJECT
private slots:
    void baseCallsign_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << "YO5OHO"
                               << "YO5OHO";
        QTest::newRow("/P") << "YO5OHO/P"
                            << "YO5OHO";
        QTest::newRow("/p with blanks") << " YO5OHO/p "
                                        << "YO5OHO";
        QTest::newRow("district digit") << "YO5OHO/3"
                                        << "YO5OHO";
        QTest::newRow("/MM") << "YO5OHO/MM"
                             << "YO5OHO";
        QTest::newRow("/QRP") << "YO5OHO/QRP"
                              << "YO5OHO";
        QTest::newRow("prefix") << "ER/YO5OHO"
                                << "YO5OHO";
        QTest::newRow("prefix and /P") << "ER/YO5OHO/P"
                                       << "YO5OHO";
        QTest::newRow("prefix and /QRP") << "ER/YO5OHO/QRP"
                                         << "YO5OHO";
        QTest::newRow("empty") << ""
                               << "";
    }
    void baseCallsign() {
        QFETCH(QString, call);
        QFETCH(QString, base);
        QCOMPARE(fileNameCall(call), base);
    }

    void fileNames() {
        const ContestDef& def = *ContestCatalog::find(35);
        const QString app = QStringLiteral("/opt/velt");
        QCOMPARE(cabrilloPath(app, "ER/YO5OHO/P", def, "07"),
                 "/opt/velt/Log/YO5OHO CpCarpati07.Cbr");
        QCOMPARE(textLogPath(app, "YO5OHO/QRP", def, "07"), "/opt/velt/Log/YO5OHO CpCarpati07.txt");
        QCOMPARE(summaryPath(app, "YO5OHO/MM", def, "07"),
                 "/opt/velt/Log/YO5OHO SUM CpCarpati07.txt");
        QCOMPARE(archivePath(app, " CARPATI ", ".adi"), "/opt/velt/ARHIVA/CARPATI.adi");
        QCOMPARE(twoDigitYear("10.11.2007"), "07");
    }

    // An own callsign from the set-up box or VELTInit.dat never names a file outside "Log".
    void callsignFileNamesStayInLog_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("base");
        QTest::newRow("dot dot and slashes") << "A/../../../X"
                                             << "";
        QTest::newRow("backslashes") << "YO5OHO\\..\\..\\X"
                                     << "YO5OHOX";
        QTest::newRow("prefix of dots") << "../YO5OHO/P"
                                        << "YO5OHO";
        QTest::newRow("device path") << "/dev/null"
                                     << "devnull";
    }
    void callsignFileNamesStayInLog() {
        QFETCH(QString, call);
        QFETCH(QString, base);
        const ContestDef& def = *ContestCatalog::find(35);
        const QString log = QStringLiteral("/opt/velt/Log");
        for (const QString& path :
             {cabrilloPath("/opt/velt", call, def, "07"), textLogPath("/opt/velt", call, def, "07"),
              summaryPath("/opt/velt", call, def, "07")}) {
            QCOMPARE(QFileInfo(path).absolutePath(), log);
            QVERIFY2(QFileInfo(path).fileName().startsWith(base + u' '), qPrintable(path));
        }
    }

    // A typed archive name names a file inside the archive folder and nowhere else.
    void archiveName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start"); // start of the message, empty when accepted
        QTest::newRow("plain") << "CARPATI 2007"
                               << "";
        QTest::newRow("empty") << "  "
                               << "Please print in textbox, NAME FILE";
        QTest::newRow("slash") << "../etc/x"
                               << "NUMELE FISIERULUI NU POATE CONTINE";
        QTest::newRow("dot dot") << ".."
                                 << "NUMELE FISIERULUI NU POATE CONTINE";
        QTest::newRow("backslash") << "C:\\LOG"
                                   << "NUMELE FISIERULUI NU POATE CONTINE";
        QTest::newRow("colon") << "C:LOG"
                               << "NUMELE FISIERULUI CONTINE UN CARACTER NEPERMIS";
        QTest::newRow("star") << "LOG*"
                              << "NUMELE FISIERULUI CONTINE UN CARACTER NEPERMIS";
        QTest::newRow("control") << "LOG\t1"
                                 << "NUMELE FISIERULUI CONTINE UN CARACTER NEPERMIS";
    }
    void archiveName() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        const QString message = checkArchiveName(name);
        QVERIFY2(start.isEmpty() ? message.isEmpty() : message.startsWith(start),
                 qPrintable(message));
    }

    void safeWriteReplacesWholeFile() {
        TempDataFolder dir;
        const QString path = dir.file("out.txt");
        QVERIFY(dir.write("out.txt", "old contents that are longer"));
        QVERIFY(SafeFile::write(path, "new\r\n"));
        QCOMPARE(dir.read("out.txt"), QByteArray("new\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"});
    }

    void safeWriteIntoMissingFolderFailsAndLeavesNothing() {
        TempDataFolder dir;
        const QString message = SafeFile::write(dir.file("ARHIVA/x.adi"), "data").error();
        QVERIFY(message.startsWith("FISIERUL "));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReportFilesTest)
#include "ReportFilesTest.moc"
