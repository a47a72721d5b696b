#include "setup/DataFolder.h"
#include "TempDataFolder.h"
#include "logging/Database.h"

#include <QDir>
#include <QTest>

const QString kTemplates = QStringLiteral(VELT_SOURCE_DIR "/data");

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void programFolderIsUsedWhenItHoldsADatabase_data() {
        QTest::addColumn<QStringList>("databases");
        QTest::newRow("build folder") << QStringList{"DbsVELT.mdb"};
        QTest::newRow("installed: no databases") << QStringList{};
    }
    void programFolderIsUsedWhenItHoldsADatabase() {
        QFETCH(QStringList, databases);
        TempDataFolder program;
        TempDataFolder home;
        for (const QString& db : databases)
            QVERIFY(program.createDatabase(db));
        const QString user = home.file(QStringLiteral("share/velt"));
        const DataFolder::Location where = DataFolder::locate(program.path(), user, kTemplates);
        QVERIFY(where.error.isEmpty());
        QCOMPARE(where.path, databases.isEmpty() ? user : program.path());
        QCOMPARE(QFile::exists(user), databases.isEmpty());
    }

    // A failed first start leaves nothing half made; the next one makes a working folder.
    void firstStartMakesAWholeFolderOrNone() {
        TempDataFolder program;
        TempDataFolder home;
        const QString user = home.file(QStringLiteral("velt"));
        QVERIFY(DataFolder::locate(program.path(), user, program.path())
                    .error.contains(QStringLiteral("schema.sql")));
        QVERIFY(QDir(home.path()).isEmpty());

        const DataFolder::Location where = DataFolder::locate(program.path(), user, kTemplates);
        QVERIFY2(where.error.isEmpty(), qPrintable(where.error));
        QCOMPARE(where.helpFolder, kTemplates + QStringLiteral("/help"));
        const QDir dir(user);
        for (const char* sub : {"WAVUs", "Log", "ARHIVA"})
            QVERIFY2(QFileInfo(dir.filePath(QLatin1String(sub))).isDir(), sub);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("special_stations.txt"))).size() > 0);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DbsVELT.mdb"))).size() > 0);
        Database log(QStringLiteral("LogDb"));
        QCOMPARE(log.open(dir.filePath(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                 Database::OpenResult::Ok);
        // The totals are kept by the schema's triggers: the whole script ran, bodies included.
        QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Etp, Pct) VALUES ('1', ' 2')")));
        QCOMPARE(log.scalar(QStringLiteral("SELECT Points FROM LogTotals WHERE Etp = '1'")).toInt(),
                 2);
    }

    // An existing folder is the operator's, even with its databases missing.
    void existingUserFolderIsLeftAsItIs() {
        TempDataFolder program;
        TempDataFolder user;
        QVERIFY(user.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n"));
        const DataFolder::Location where =
            DataFolder::locate(program.path(), user.path(), kTemplates);
        QCOMPARE(where.path, user.path());
        QVERIFY(where.error.isEmpty());
        QCOMPARE(
            QDir(user.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"VELTInit.dat"});
        QCOMPARE(user.read(QStringLiteral("VELTInit.dat")), QByteArray("YO3ABC\r\n"));
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "DataFolderTest.moc"
