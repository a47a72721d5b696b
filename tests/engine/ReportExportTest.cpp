#include "ExpectedFile.h"
#include "LogWithCopies.h"
#include "base/SafeFile.h"
#include "engine/ReportFixture.h"
#include "rules/ContestCatalog.h"
#include "services/reports/Adif.h"
#include "services/reports/Cabrillo.h"
#include "services/reports/ClaimedScore.h"
#include "services/reports/LogExport.h"
#include "services/reports/ReportFiles.h"
#include "services/reports/Summary.h"
#include "services/reports/TextLog.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// A data folder with its output folders, whose log holds the fixture of `contest`.
struct LoggedFolder : LogWithCopies {
    explicit LoggedFolder(int contest) : def(*ContestCatalog::find(contest)) {
        for (const LogRow& r : ReportFixture::entered(contest))
            ok = ok && LogStore(log).insert(r).ok();
    }
    LogExport writer() { return {log, def, station, folder.path(), "07"}; }
    QByteArray read(const QString& path) const {
        return folder.read(QDir(folder.path()).relativeFilePath(path));
    }
    QStringList files(const QString& name) const {
        return QDir(folder.file(name)).entryList(QDir::Files);
    }
    // The header the operator confirms: its claim from the totals the log keeps.
    CabrilloHeader header() {
        const auto stages = LogStore(log).stageTotals();
        ok = ok && stages.ok();
        return ReportFixture::header(def,
                                     claimedScoreOf(def, ReportTotals::of(stages.valueOr({}))));
    }

    const ContestDef& def;
    SettingsRecord station = ReportFixture::station();
    bool ok = open() && QDir(folder.path()).mkpath("Log") && QDir(folder.path()).mkpath("ARHIVA");
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
        LoggedFolder logged(contest);
        const QString expected = QStringLiteral("engine/expected/c%1/").arg(contest);
        const QList<std::pair<Outcome<WrittenFile>, QString>> written{
            {logged.writer().cabrillo(logged.header())->whole(), "cabrillo.cbr"},
            {logged.writer().textLog()->whole(), "summary.txt"},
            {logged.writer().adif(" ARHIVA ")->whole(), "adif.adi"},
            {logged.writer().textArchive("ARHIVA")->whole(), "archive.txt"}};
        for (const auto& [file, name] : written) {
            QVERIFY2(file, qPrintable(file.error()));
            QVERIFY(sameAsExpected(logged.read(file->path), expected + name));
        }
        QVERIFY(logged.ok);
        QCOMPARE(logged.files("ARHIVA"), (QStringList{"ARHIVA.adi", "ARHIVA.txt"}));
        const QString textLog =
            ReportFiles::textLogPath(logged.folder.path(), logged.station.myCall, logged.def, "07");
        QVERIFY(sameAsExpected(logged.read(textLog), expected + "textlog.txt"));
    }

    // Cabrillo 3.0 (no reader of it is packaged for the build): the category words on their own
    // lines, a word no list has kept aside, every tag one of the format's published header list,
    // the whole file as expected.
    void cabrillo3() {
        LoggedFolder logged(35);
        CabrilloHeader h = logged.header();
        h.version3 = true;
        h.category = QStringLiteral("low single-op A");
        const Outcome<WrittenFile> file = logged.writer().cabrillo(h)->whole();
        QVERIFY2(file, qPrintable(file.error()));
        const QByteArray bytes = logged.read(file->path);
        const QStringList published =
            QStringLiteral(
                "START-OF-LOG CALLSIGN CONTEST CATEGORY-ASSISTED CATEGORY-BAND CATEGORY-MODE "
                "CATEGORY-OPERATOR CATEGORY-POWER CATEGORY-STATION CATEGORY-TIME "
                "CATEGORY-TRANSMITTER "
                "CATEGORY-OVERLAY CERTIFICATE CLAIMED-SCORE CLUB CREATED-BY EMAIL GRID-LOCATOR "
                "LOCATION NAME ADDRESS ADDRESS-CITY ADDRESS-STATE-PROVINCE ADDRESS-POSTALCODE "
                "ADDRESS-COUNTRY OPERATORS OFFTIME SOAPBOX QSO X-QSO END-OF-LOG")
                .split(u' ');
        for (const QByteArray& line : bytes.trimmed().split('\n')) {
            const QString tag = QString::fromLatin1(line.left(line.indexOf(':')));
            QVERIFY2(published.contains(tag) || tag.startsWith(u"X-"), line.constData());
        }
        QVERIFY(sameAsExpected(bytes, "engine/expected/c35/cabrillo3.cbr"));
    }

    // The radio's frequency when the contact has one, and its band; else the contest's band.
    void frequencyStoredOrTheBands_data() {
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QString>("cabrillo");
        QTest::addColumn<QString>("adif");
        QTest::newRow("none") << qint64(0) << "QSO: 3500  CW"
                              << "<BAND:3>80m<RST_SENT";
        QTest::newRow("below a kHz") << qint64(3525999) << "QSO: 3525  CW"
                                     << "<BAND:3>80m<FREQ:8>3.525999<RST_SENT";
        QTest::newRow("five digits") << qint64(28025000) << "QSO: 28025 CW"
                                     << "<BAND:3>10m<FREQ:9>28.025000";
        QTest::newRow("another band than the contest's") << qint64(7012300) << "QSO: 7012  CW"
                                                         << "<BAND:3>40m<FREQ:8>7.012300";
        QTest::newRow("outside every band") << qint64(7500000) << "QSO: 7500  CW"
                                            << "<MODE:2>CW<FREQ:8>7.500000<RST_SENT";
    }
    void frequencyStoredOrTheBands() {
        QFETCH(qint64, hz);
        QFETCH(QString, cabrillo);
        QFETCH(QString, adif);
        LogRow row = ReportFixture::entered(0).first();
        if (hz > 0)
            row.frequency = hz;
        const ContestDef& def = *ContestCatalog::find(0);
        QVERIFY(Cabrillo::qsoLine(row, QStringLiteral("YO5OHO/P"), def)->startsWith(cabrillo));
        QVERIFY(Adif::qsoRecord(row, def)->contains(adif));
    }

    void emptyLog() {
        const ContestDef& def = *ContestCatalog::find(35);
        const Outcome<QByteArray> summary =
            Summary::summaryFile(def, ReportFixture::station(), ReportTotals{}, "07");
        QVERIFY(sameAsExpected(*summary, "engine/expected/c35/summary-empty.txt"));
        QVERIFY(Adif::layout(def).bytesOf({})->isEmpty());
    }

    // Cancelled after its first contact: nothing written, the old file as it was.
    void cancelledExportKeepsPreviousFile() {
        LoggedFolder logged(35);
        QVERIFY(logged.ok);
        QVERIFY(logged.folder.write("Log/YO5OHO CpCarpati07.Cbr", "previous"));
        QVERIFY(logged.folder.write("ARHIVA/CARPATI.adi", "previous"));
        const LogExport writer = logged.writer();
        const QList<std::shared_ptr<ExportRun>> runs{
            writer.cabrillo(ReportFixture::header(logged.def, 0)), writer.adif("CARPATI"),
            writer.textLog()};
        for (const std::shared_ptr<ExportRun>& run : runs) {
            QVERIFY(run->start() && run->step());
            const Outcome<WrittenFile> w = run->cancel();
            QVERIFY2(!w && w.error().contains("A FOST ANULATA"), qPrintable(w.error()));
        }
        QCOMPARE(logged.folder.read("Log/YO5OHO CpCarpati07.Cbr"), QByteArray("previous"));
        QCOMPARE(logged.folder.read("ARHIVA/CARPATI.adi"), QByteArray("previous"));
        QCOMPARE(logged.files("Log"), QStringList{"YO5OHO CpCarpati07.Cbr"});
        QCOMPARE(logged.files("ARHIVA"), QStringList{"CARPATI.adi"});
    }

    // A row the electronic logs cannot carry stops the export with its message and no bytes.
    void unreadableRowStopsExport_data() {
        QTest::addColumn<QString>("fields"); // date|time|message
        const QString end = ". PROGRAMUL SE INTRERUPE. VERIFICATI FORMATUL ";
        QTest::newRow("day 31 of November")
            << "31.11.07|18:01|FORMATUL DATEI CALENDARISTICE LA INDICATIVUL YO5BBB     INCORECT" +
                   end;
        QTest::newRow("hour 24") << "10.11.07|24:00|FORMATUL OREI UTC INCORECT 24:00 " + end;
    }
    void unreadableRowStopsExport() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        QList<LogRow> rows = ReportFixture::entered(35);
        rows[1].date = f[0];
        rows[1].utc = f[1];
        const ContestDef& def = *ContestCatalog::find(35);
        for (const Outcome<QByteArray>& r :
             {Cabrillo::layout(ReportFixture::header(def, 0), "YO5OHO", def).bytesOf(rows),
              Adif::layout(def).bytesOf(rows)}) {
            QVERIFY(!r);
            QCOMPARE(r.error(), f[2]);
        }
    }

    // A character the code page cannot hold stops the file with a message, not a substitute byte.
    void characterOutsideTheCodePage() {
        const ContestDef& def = *ContestCatalog::find(11);
        const Outcome<QByteArray> refused = TextLog::archiveLayout(def).bytesOf({ReportFixture::row(
            1, "YO5AAA|10.11.07|18:00|1|599 001 ION|599 002 \u00D1O\u20AC|CW|||1")});
        QVERIFY(!refused);
        QVERIFY2(refused.error().contains("\"\u00D1\""), qPrintable(refused.error()));
    }

    // The base callsign names the files, and an own callsign never names one outside "Log".
    void callsignFileNames_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("base");
        QTest::newRow("prefix and /P") << "ER/YO5OHO/P" << QStringLiteral("YO5OHO");
        QTest::newRow("dot dot and slashes") << "A/../../../X" << QString();
        QTest::newRow("each side of the kept ranges") << "@AZ[`az{09:\u00C4"
                                                      << "AZaz09";
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
        QTest::newRow("below the blank") << "LOG\x1F" << character;
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
