#include "TempDataFolder.h"
#include "engine/ReportFixture.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "reports/LogExport.h"
#include "setup/ContestCatalog.h"

#include <QDir>
#include <QFile>
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

class ScrieLogTest : public QObject {
    Q_OBJECT
private slots:
    void writesEveryFileWhereItBelongs() {
        LoggedFolder folder;
        QVERIFY(folder.ok());
        WrittenFile cbr = folder.writer().cabrillo(header());
        QVERIFY2(cbr.ok(), qPrintable(cbr.error));
        QVERIFY(cbr.path.endsWith("/Log/YO5OHO CpCarpati07.Cbr"));
        QCOMPARE(folder.read("Log/YO5OHO CpCarpati07.Cbr"), expectedFile("c35/cabrillo.cbr"));
        QCOMPARE(cbr.lines.head().first(), "START-OF-LOG: 2.0");
        QCOMPARE(cbr.lines.tail().isEmpty() ? cbr.lines.head().last() : cbr.lines.tail().last(),
                 "END-OF-LOG: ");

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

    // An unreadable row leaves the previous file as it was and nothing half-written beside it.
    void unreadableRowKeepsPreviousFile() {
        LoggedFolder folder;
        QVERIFY(folder.ok());
        QVERIFY(folder.write("Log/YO5OHO CpCarpati07.Cbr", "previous"));
        QVERIFY(folder.write("ARHIVA/CARPATI.adi", "previous"));
        QVERIFY(folder.add(ReportFixture::row(9, "YO5ZZZ", "10.11.07", "25:00", "1", "599 005 BV",
                                              "599 009 CJ", "CW", "CJ", "  ", "2")));
        for (const WrittenFile& w :
             {folder.writer().cabrillo(header()), folder.writer().adif("CARPATI")})
            QCOMPARE(w.error, "FORMATUL OREI UTC INCORECT 25:00 . PROGRAMUL SE INTRERUPE. "
                              "VERIFICATI FORMATUL ");
        QCOMPARE(folder.read("Log/YO5OHO CpCarpati07.Cbr"), QByteArray("previous"));
        QCOMPARE(folder.read("ARHIVA/CARPATI.adi"), QByteArray("previous"));
        QCOMPARE(folder.files("Log"), QStringList{"YO5OHO CpCarpati07.Cbr"});
        QCOMPARE(folder.files("ARHIVA"), QStringList{"CARPATI.adi"});
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

    void archiveNameOutsideFolderIsRefused() {
        LoggedFolder folder;
        QVERIFY(folder.ok());
        for (const WrittenFile& w :
             {folder.writer().adif("../Log/X"), folder.writer().textArchive("..")}) {
            QVERIFY(!w.ok());
            QVERIFY(w.path.isEmpty());
        }
        QVERIFY(folder.files("ARHIVA").isEmpty());
        QVERIFY(folder.files("Log").isEmpty());
    }

    void missingFolderIsReported() {
        LoggedFolder folder(false);
        QVERIFY(folder.ok());
        const WrittenFile w = folder.writer().textArchive("CARPATI");
        QVERIFY(w.error.startsWith("FISIERUL "));
        QCOMPARE(w.lines.count(), 0);
    }
};

QTEST_GUILESS_MAIN(ScrieLogTest)
#include "ScrieLogTest.moc"
