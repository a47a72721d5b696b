#include "TempDataFolder.h"
#include "engine/ReportFixture.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "reports/Adif.h"
#include "reports/ClaimedScore.h"
#include "reports/LogExport.h"
#include "reports/ReportFiles.h"
#include "reports/SafeFile.h"
#include "reports/Summary.h"
#include "reports/TextLog.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// Compares a whole output with its expected file; a difference leaves the output beside the test.
bool sameAsExpected(const QByteArray& actual, const QString& name) {
    QFile expected(QStringLiteral(VELT_SOURCE_DIR "/tests/engine/expected/") + name);
    if (expected.open(QIODevice::ReadOnly) && actual == expected.readAll())
        return true;
    const QString out = QDir::current().filePath(QString(name).replace(u'/', u'_') + ".actual");
    QFile f(out);
    if (f.open(QIODevice::WriteOnly))
        f.write(actual);
    qWarning("%s differs; the output is in %s", qPrintable(name), qPrintable(out));
    return false;
}

// A data folder with its output folders, whose log holds the fixture of `contest`.
struct LoggedFolder {
    explicit LoggedFolder(int contest) : def(*ContestCatalog::find(contest)) {
        for (const LogRow& r : ReportFixture::entered(contest))
            ok = ok && LogStore(db).insert(r).ok();
    }
    LogExport writer(ExportProgress progress = {}) {
        return LogExport(db, def, station, dir.path(), "07", std::move(progress));
    }
    QByteArray read(const QString& path) const {
        return dir.read(QDir(dir.path()).relativeFilePath(path));
    }
    QStringList files(const QString& folder) const {
        return QDir(dir.file(folder)).entryList(QDir::Files);
    }
    // The header the operator confirms: its claim from the totals the log keeps.
    CabrilloHeader header() {
        const auto stages = LogStore(db).stageTotals();
        ok = ok && stages.ok();
        return ReportFixture::header(def,
                                     claimedScoreOf(def, ReportTotals::of(stages.valueOr({}))));
    }

    const ContestDef& def;
    TempDataFolder dir;
    Database db{"ReportExportTest"};
    SettingsRecord station = ReportFixture::station();
    bool ok = dir.createDatabases() &&
              db.open(dir.file("LogVELT.mdb"), "LogGen") == Database::OpenResult::Ok &&
              QDir(dir.path()).mkpath("Log") && QDir(dir.path()).mkpath("ARHIVA");
};

} // namespace

class ReportExportTest : public QObject {
    Q_OBJECT
private slots:
    // Every file of a contest as the operator writes it from the log, compared whole.
    void wholeFiles_data() {
        QTest::addColumn<int>("contest");
        for (int contest : {0, 11, 31, 33, 35})
            QTest::addRow("%d", contest) << contest;
    }
    void wholeFiles() {
        QFETCH(int, contest);
        LoggedFolder folder(contest);
        const QString expected = QStringLiteral("c%1/").arg(contest);
        const QList<std::pair<WrittenFile, QString>> written{
            {folder.writer().cabrillo(folder.header()), "cabrillo.cbr"},
            {folder.writer().textLog(), "summary.txt"},
            {folder.writer().adif(" ARHIVA "), "adif.adi"},
            {folder.writer().textArchive("ARHIVA"), "archive.txt"}};
        for (const auto& [file, name] : written) {
            QVERIFY2(file.ok(), qPrintable(file.error));
            QVERIFY(sameAsExpected(folder.read(file.path), expected + name));
        }
        QVERIFY(folder.ok);
        QCOMPARE(folder.files("ARHIVA"), (QStringList{"ARHIVA.adi", "ARHIVA.txt"}));
        const QString textLog =
            ReportFiles::textLogPath(folder.dir.path(), folder.station.myCall, folder.def, "07");
        QVERIFY(sameAsExpected(folder.read(textLog), expected + "textlog.txt"));
    }

    void emptyLog() {
        const ContestDef& def = *ContestCatalog::find(35);
        const ExportResult summary =
            Summary::summaryFile(def, ReportFixture::station(), ReportTotals{}, "07");
        QVERIFY(sameAsExpected(summary.bytes, "c35/summary-empty.txt"));
        QVERIFY(Adif::layout(def).bytesOf({}).bytes.isEmpty());
    }

    // Cancelled at the first report of progress: nothing written, the old file as it was.
    void cancelledExportKeepsPreviousFile() {
        LoggedFolder folder(35);
        QVERIFY(folder.ok);
        QVERIFY(folder.dir.write("Log/YO5OHO CpCarpati07.Cbr", "previous"));
        QVERIFY(folder.dir.write("ARHIVA/CARPATI.adi", "previous"));
        QList<qint64> totals;
        const ExportProgress cancel = [&totals](qint64, qint64 total) {
            totals << total;
            return false;
        };
        for (const WrittenFile& w :
             {folder.writer(cancel).cabrillo(ReportFixture::header(folder.def, 0)),
              folder.writer(cancel).adif("CARPATI"), folder.writer(cancel).textLog()})
            QVERIFY2(w.error.contains("A FOST ANULATA"), qPrintable(w.error));
        QCOMPARE(totals, (QList<qint64>{4, 4, 4}));
        QCOMPARE(folder.dir.read("Log/YO5OHO CpCarpati07.Cbr"), QByteArray("previous"));
        QCOMPARE(folder.dir.read("ARHIVA/CARPATI.adi"), QByteArray("previous"));
        QCOMPARE(folder.files("Log"), QStringList{"YO5OHO CpCarpati07.Cbr"});
        QCOMPARE(folder.files("ARHIVA"), QStringList{"CARPATI.adi"});
    }

    // A row the electronic logs cannot carry stops the export with its message and no bytes.
    void unreadableRowStopsExport_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("message");
        const QString end = ". PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ";
        QTest::newRow("day 31 of November")
            << QStringLiteral("31.11.07") << QStringLiteral("18:01")
            << "FORMATUL DATEI CALENDARISTICE LA INDICATIVUL YO5BBB     INCORECT" + end;
        QTest::newRow("hour 24") << QStringLiteral("10.11.07") << QStringLiteral("24:00")
                                 << "FORMATUL OREI UTC INCORECT 24:00 " + end;
    }
    void unreadableRowStopsExport() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, message);
        QList<LogRow> rows = ReportFixture::entered(35);
        rows[1].date = date;
        rows[1].utc = time;
        const ContestDef& def = *ContestCatalog::find(35);
        for (const ExportResult& r :
             {Cabrillo::layout(ReportFixture::header(def, 0), "YO5OHO", def).bytesOf(rows),
              Adif::layout(def).bytesOf(rows)}) {
            QCOMPARE(r.error, message);
            QVERIFY(r.bytes.isEmpty());
        }
    }

    // A character the code page cannot hold stops the file with a message, not a substitute byte.
    void characterOutsideTheCodePage() {
        const ContestDef& def = *ContestCatalog::find(11);
        const ExportResult refused = TextLog::archiveLayout(def).bytesOf({ReportFixture::row(
            1, "YO5AAA|10.11.07|18:00|1|599 001 ION|599 002 \u00D1O\u20AC|CW|||1")});
        QVERIFY(refused.bytes.isEmpty());
        QVERIFY2(refused.error.contains("\"\u00D1\""), qPrintable(refused.error));
    }

    // The base callsign names the files, and an own callsign never names one outside "Log".
    void callsignFileNames_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("base");
        QTest::newRow("prefix and /P") << "ER/YO5OHO/P" << QStringLiteral("YO5OHO");
        QTest::newRow("dot dot and slashes") << "A/../../../X" << QString();
    }
    void callsignFileNames() {
        QFETCH(QString, call);
        QFETCH(QString, base);
        const ContestDef& def = *ContestCatalog::find(35);
        const QString log = "/opt/velt/Log/" + base;
        QCOMPARE(ReportFiles::cabrilloPath("/opt/velt", call, def, "07"), log + " CpCarpati07.Cbr");
        QCOMPARE(ReportFiles::textLogPath("/opt/velt", call, def, "07"), log + " CpCarpati07.txt");
        QCOMPARE(ReportFiles::summaryPath("/opt/velt", call, def, "07"),
                 log + " SUM CpCarpati07.txt");
    }

    // A typed archive name names a file inside the archive folder and nowhere else.
    void archiveName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start"); // start of the message, empty when accepted
        const QString separator = "NUMELE FISIERULUI NU POATE CONTINE";
        const QString character = "NUMELE FISIERULUI CONTINE UN CARACTER NEPERMIS";
        QTest::newRow("plain") << "CARPATI 2007" << QString();
        QTest::newRow("empty") << "  " << QStringLiteral("Please print in textbox, NAME FILE");
        QTest::newRow("slash") << "LOG/X" << separator;
        QTest::newRow("dot dot") << ".." << separator;
        QTest::newRow("colon") << "C:LOG" << character;
    }
    void archiveName() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        const QString message = ReportFiles::checkArchiveName(name);
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

QTEST_GUILESS_MAIN(ReportExportTest)
#include "ReportExportTest.moc"
