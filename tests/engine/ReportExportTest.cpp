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
    void frequencyStoredOrTheBands() {
        const ContestDef& def = *ContestCatalog::find(0);
        QVERIFY(answersAsExpected("data/tables/frequencies.txt", [&](const QString& row) {
            LogRow contact = ReportFixture::entered(0).first();
            if (const qint64 hz = row.section(QStringLiteral(": "), -1).toLongLong(); hz > 0)
                contact.frequency = hz;
            return Cabrillo::qsoLine(contact, QStringLiteral("YO5OHO/P"), def)
                       .valueOr({})
                       .trimmed() +
                   QStringLiteral(" | ") + Adif::qsoRecord(contact, def).valueOr({}).trimmed();
        }));
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
    void unreadableRowStopsExport() {
        const ContestDef& def = *ContestCatalog::find(35);
        QVERIFY(answersAsExpected("data/tables/badrows.txt", [&](const QString& row) {
            QList<LogRow> rows = ReportFixture::entered(35);
            rows[1].date = row.section(QStringLiteral(": "), -1).section(u'|', 0, 0);
            rows[1].utc = row.section(u'|', -1);
            QStringList said;
            for (const Outcome<QByteArray>& r :
                 {Cabrillo::layout(ReportFixture::header(def, 0), "YO5OHO", def).bytesOf(rows),
                  Adif::layout(def).bytesOf(rows)})
                said << (r ? QStringLiteral("written") : r.error());
            said.removeDuplicates();
            return said.join(QStringLiteral(" | "));
        }));
    }

    // A character the code page cannot hold stops the file with a message, not a substitute byte.
    void characterOutsideTheCodePage() {
        const ContestDef& def = *ContestCatalog::find(11);
        const Outcome<QByteArray> refused = TextLog::archiveLayout(def).bytesOf({ReportFixture::row(
            1, "YO5AAA|10.11.07|18:00|1|599 001 ION|599 002 \u00D1O\u20AC|CW|||1")});
        QVERIFY(!refused);
        QVERIFY2(refused.error().contains("\"\u00D1\""), qPrintable(refused.error()));
    }

    // The base callsign names the files, and an own callsign never names one outside "Log"; a
    // typed archive name names a file inside the archive folder and nowhere else.
    void fileNames() {
        const ContestDef& def = *ContestCatalog::find(35);
        QVERIFY(answersAsExpected("data/tables/filenames.txt", [&](const QString& row) {
            const QString typed = row.section(QStringLiteral(": "), -1).section(u'|', 1);
            if (row.section(QStringLiteral(": "), -1).startsWith(QLatin1String("archive|")))
                return ReportFiles::checkArchiveName(typed);
            return QStringList{ReportFiles::cabrilloPath("/opt/velt", typed, def, "07"),
                               ReportFiles::textLogPath("/opt/velt", typed, def, "07"),
                               ReportFiles::summaryPath("/opt/velt", typed, def, "07")}
                .join(QStringLiteral(" | "));
        }));
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
