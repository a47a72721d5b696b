#include "setup/DataFolder.h"
#include "TempDataFolder.h"
#include "logging/Database.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <unistd.h>

namespace {
const QString kTemplates = QStringLiteral(VELT_SOURCE_DIR "/data");

// Every file under `folder` with its bytes, to see that nothing changed.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        out.insert(it.filePath(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("dir"));
    }
    return out;
}
} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void choosesProgramFolderOnlyWhenItHoldsData_data() {
        QTest::addColumn<QStringList>("databases");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("programFolder");
        QTest::newRow("build folder") << QStringList{"LogVELT.mdb", "DbsVELT.mdb"} << false << true;
        QTest::newRow("installed: no databases") << QStringList{} << false << false;
        QTest::newRow("installed: not writable") << QStringList{"LogVELT.mdb"} << true << false;
    }
    void choosesProgramFolderOnlyWhenItHoldsData() {
        QFETCH(QStringList, databases);
        QFETCH(bool, readOnly);
        QFETCH(bool, programFolder);
        if (readOnly && geteuid() == 0)
            QSKIP("root may write into any folder");
        TempDataFolder program;
        TempDataFolder home;
        for (const QString& db : databases)
            QVERIFY(program.createDatabase(db));
        if (readOnly)
            QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString user = home.file(QStringLiteral("share/velt"));
        const DataFolder::Location where = DataFolder::locate(program.path(), user, kTemplates);
        QFile::setPermissions(program.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(where.path, programFolder ? program.path() : user);
        QCOMPARE(QFile::exists(user), !programFolder);
        QVERIFY(where.error.isEmpty());
    }

    void firstStartMakesAWorkingFolder() {
        TempDataFolder program;
        TempDataFolder home;
        const QString user = home.file(QStringLiteral("share/velt"));
        const DataFolder::Location where = DataFolder::locate(program.path(), user, kTemplates);
        QVERIFY2(where.error.isEmpty(), qPrintable(where.error));
        QCOMPARE(where.helpFolder, kTemplates + QStringLiteral("/help"));
        const QDir dir(user);
        for (const char* sub : {"WAVUs", "Log", "ARHIVA"})
            QVERIFY2(QFileInfo(dir.filePath(QLatin1String(sub))).isDir(), sub);
        QFile shipped(kTemplates + QStringLiteral("/special_stations.txt"));
        QFile copied(dir.filePath(QStringLiteral("special_stations.txt")));
        QVERIFY(shipped.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), shipped.readAll());

        Database log(QStringLiteral("LogDb"));
        QCOMPARE(log.open(dir.filePath(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                 Database::OpenResult::Ok);
        // The totals are kept by the schema's triggers: the whole script ran, bodies included.
        QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Etp, Mult, Pct) VALUES (?, ?, ?)"),
                         {QStringLiteral("1"), QStringLiteral("BU"), QStringLiteral(" 2")}));
        QCOMPARE(log.scalar(QStringLiteral("SELECT Points FROM LogTotals WHERE Etp = '1'")).toInt(),
                 2);
        QCOMPARE(log.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
        Database calls(QStringLiteral("CallDb"));
        QCOMPARE(calls.open(dir.filePath(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        QVERIFY(QDir(home.file(QStringLiteral("share")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == QStringList{"velt"});
    }

    // An existing folder is the operator's, whatever is missing from it.
    void existingUserFolderIsLeftAsItIs_data() {
        QTest::addColumn<QStringList>("databases");
        QTest::newRow("complete") << QStringList{"LogVELT.mdb", "DbsVELT.mdb"};
        QTest::newRow("empty") << QStringList{};
    }
    void existingUserFolderIsLeftAsItIs() {
        QFETCH(QStringList, databases);
        TempDataFolder program;
        TempDataFolder user;
        for (const QString& db : databases)
            QVERIFY(user.createDatabase(db));
        QVERIFY(user.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n"));
        const QMap<QString, QByteArray> before = contents(user.path());
        const DataFolder::Location where =
            DataFolder::locate(program.path(), user.path(), kTemplates);
        QCOMPARE(where.path, user.path());
        QVERIFY(where.error.isEmpty());
        QCOMPARE(contents(user.path()), before);
    }

    void failedFirstStartLeavesNothingHalfMade() {
        TempDataFolder program;
        TempDataFolder home;
        const QString user = home.file(QStringLiteral("velt"));
        const DataFolder::Location where = DataFolder::locate(program.path(), user, program.path());
        QVERIFY(where.error.contains(QStringLiteral("schema.sql")));
        QVERIFY(QDir(home.path()).isEmpty());
        QVERIFY(DataFolder::locate(program.path(), user, kTemplates).error.isEmpty());
        QVERIFY(QFile::exists(user + QStringLiteral("/LogVELT.mdb")));
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "DataFolderTest.moc"
