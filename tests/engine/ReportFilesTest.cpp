#include "reports/ReportFiles.h"

#include "TempDataFolder.h"
#include "engine/ReportFixture.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "reports/LogExport.h"
#include "reports/SafeFile.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

QByteArray expectedFile(const QString& name) {
    QFile f(QStringLiteral(VELT_SOURCE_DIR "/tests/engine/expected/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A data folder whose log holds the contest-35 fixture, with or without the output folders.
class LoggedFolder {
public:
    explicit LoggedFolder(bool withFolders = true) {
        m_ok = m_dir.createDatabases() &&
               m_db.open(m_dir.file("LogVELT.mdb"), "LogGen") == Database::OpenResult::Ok;
        for (const LogRow& r : ReportFixture::entered(35))
            m_ok = m_ok && add(r);
        if (withFolders)
            m_ok = m_ok && QDir(m_dir.path()).mkpath("Log") && QDir(m_dir.path()).mkpath("ARHIVA");
    }
    bool ok() const { return m_ok; }
    bool add(const LogRow& r) { return LogStore(m_db).insert(r).ok(); }
    LogExport writer(ExportProgress progress = {}) {
        return LogExport(m_db, *ContestCatalog::find(35), m_station, m_dir.path(), "07",
                         std::move(progress));
    }
    QByteArray read(const QString& name) const { return m_dir.read(name); }
    bool write(const QString& name, const QByteArray& bytes) const {
        return m_dir.write(name, bytes);
    }
    QStringList files(const QString& folder) const {
        return QDir(m_dir.file(folder)).entryList(QDir::Files);
    }

private:
    TempDataFolder m_dir;
    Database m_db{QStringLiteral("ScrieLogTest")};
    SettingsRecord m_station = ReportFixture::station();
    bool m_ok = false;
};

CabrilloHeader header() {
    CabrilloHeader h = Cabrillo::prefilledHeader(*ContestCatalog::find(35), "YO5OHO/P", 27, "07");
    h.category = "SINGLE-OP ALL LOW";
    h.operators = "YO5OHO";
    h.club = "YO5KAD";
    h.name = "ION POPESCU";
    h.address = {"STR. LUNGA 1", "BRASOV", ""};
    h.soapbox = {"73", ""};
    return h;
}

} // namespace

using namespace ReportFiles;

class ReportFilesTest : public QObject {
    Q_OBJECT
private slots:
    void writesEveryFileWhereItBelongs() {
        LoggedFolder folder;
        QVERIFY(folder.ok());
        WrittenFile cbr = folder.writer().cabrillo(header());
        QVERIFY2(cbr.ok(), qPrintable(cbr.error));
        QVERIFY(cbr.path.endsWith("/Log/YO5OHO CpCarpati07.Cbr"));
        QCOMPARE(folder.read("Log/YO5OHO CpCarpati07.Cbr"), expectedFile("c35/cabrillo.cbr"));

        const WrittenFile summary = folder.writer().textLog();
        QVERIFY2(summary.ok(), qPrintable(summary.error));
        QCOMPARE(folder.read("Log/YO5OHO CpCarpati07.txt"), expectedFile("c35/textlog.txt"));
        QCOMPARE(folder.read("Log/YO5OHO SUM CpCarpati07.txt"), expectedFile("c35/summary.txt"));
        QVERIFY(summary.path.endsWith("/Log/YO5OHO SUM CpCarpati07.txt"));

        QVERIFY(folder.writer().adif(" CARPATI ").ok());
        QCOMPARE(folder.read("ARHIVA/CARPATI.adi"), expectedFile("c35/adif.adi"));
        QVERIFY(folder.writer().textArchive("CARPATI").ok());
        QCOMPARE(folder.read("ARHIVA/CARPATI.txt"), expectedFile("c35/archive.txt"));
    }

    // Cancelled at the first report of progress: nothing written, the old file as it was.
    void cancelledExportKeepsPreviousFile() {
        LoggedFolder folder;
        QVERIFY(folder.ok());
        QVERIFY(folder.write("Log/YO5OHO CpCarpati07.Cbr", "previous"));
        QVERIFY(folder.write("ARHIVA/CARPATI.adi", "previous"));
        QList<qint64> totals;
        const ExportProgress cancel = [&totals](qint64, qint64 total) {
            totals << total;
            return false;
        };
        for (const WrittenFile& w :
             {folder.writer(cancel).cabrillo(header()), folder.writer(cancel).adif("CARPATI"),
              folder.writer(cancel).textLog()})
            QVERIFY2(w.error.contains("A FOST ANULATA"), qPrintable(w.error));
        QCOMPARE(totals, (QList<qint64>{4, 4, 4}));
        QCOMPARE(folder.read("Log/YO5OHO CpCarpati07.Cbr"), QByteArray("previous"));
        QCOMPARE(folder.read("ARHIVA/CARPATI.adi"), QByteArray("previous"));
        QCOMPARE(folder.files("Log"), QStringList{"YO5OHO CpCarpati07.Cbr"});
        QCOMPARE(folder.files("ARHIVA"), QStringList{"CARPATI.adi"});
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
        QTest::newRow("colon") << "C:LOG"
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

    void safeWriteIntoMissingFolderFailsAndLeavesNothing() {
        TempDataFolder dir;
        const QString message = SafeFile::write(dir.file("ARHIVA/x.adi"), "data").error();
        QVERIFY(message.startsWith("FISIERUL "));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReportFilesTest)
#include "ReportFilesTest.moc"
