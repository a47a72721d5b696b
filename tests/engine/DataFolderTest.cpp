#include "store/DataFolder.h"
#include "TempDataFolder.h"
#include "fakes/FakeClock.h"
#include "models/OldDataMove.h"
#include "store/BackupRestore.h"
#include "store/Database.h"

#include <QDir>
#include <QTest>

const QString kTemplates = QStringLiteral(VELT_SOURCE_DIR "/data");

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    // The templates of an installed program, else those of the build folder it runs from.
    void templatesAreInstalledOrBuilt() {
        TempDataFolder prefix;
        const QString bin = prefix.file(QStringLiteral("bin"));
        QCOMPARE(DataFolder::templatesFolder(bin), bin + QStringLiteral("/share/velt"));
        QVERIFY(QDir().mkpath(prefix.file(QStringLiteral("share/velt"))));
        QVERIFY(prefix.write(QStringLiteral("share/velt/schema.sql"), "--"));
        QCOMPARE(DataFolder::templatesFolder(bin), prefix.file(QStringLiteral("share/velt")));
    }

    // A log left in the build folder by an earlier run is offered once; on "Da" it replaces the
    // data folder's, which is kept as a copy, and the build folder keeps its own.
    void oldBuildLogIsOfferedOnce_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("moved") << true;
        QTest::newRow("declined") << false;
    }
    void oldBuildLogIsOfferedOnce() {
        QFETCH(bool, yes);
        TempDataFolder build;
        TempDataFolder home;
        QVERIFY(build.createDatabases());
        QVERIFY(build.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n"));
        QVERIFY(QDir(build.path()).mkpath(QStringLiteral("Log")));
        QVERIFY(build.write(QStringLiteral("Log/YO3ABC.cbr"), "START-OF-LOG: 3.0\r\n"));
        Database old(QStringLiteral("OldLog"));
        QVERIFY(old.open(build.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")).ok());
        QVERIFY(
            old.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Etp) VALUES ('YO9A', '1')")));
        old.close();
        const QString data = home.file(QStringLiteral("velt"));
        QVERIFY(DataFolder::locate(data, kTemplates).error.isEmpty());
        const FakeClock clock;

        QVERIFY(OldDataMove::question(build.path(), data).contains(build.path()));
        const Outcome<QString> told = OldDataMove::answer(yes, build.path(), data, clock);
        QVERIFY2(told, qPrintable(told.error()));
        QCOMPARE(told->isEmpty(), !yes);                              // told once it is done
        QVERIFY(OldDataMove::question(build.path(), data).isEmpty()); // asked once
        QCOMPARE(BackupRestore::rowCount(data + QStringLiteral("/LogVELT.mdb"), "LogGen"),
                 yes ? 1 : 0);
        QCOMPARE(QFile::exists(data + QStringLiteral("/Log/YO3ABC.cbr")), yes);
        QCOMPARE(QFile::exists(data + QStringLiteral("/VELTInit.dat")), yes);
        QCOMPARE(QDir(data + QStringLiteral("/ARHIVA/backup")).entryList(QDir::Files).size(),
                 yes ? 2 : 0); // the data folder's own two databases
        QVERIFY(QFile::exists(build.file(QStringLiteral("LogVELT.mdb"))));
    }

    // A failed first start leaves nothing half made; the next one makes a working folder.
    void firstStartMakesAWholeFolderOrNone() {
        TempDataFolder program;
        TempDataFolder home;
        const QString user = home.file(QStringLiteral("velt"));
        QVERIFY(
            DataFolder::locate(user, program.path()).error.contains(QStringLiteral("schema.sql")));
        QVERIFY(QDir(home.path()).isEmpty());

        const DataFolder::Location where = DataFolder::locate(user, kTemplates);
        QVERIFY2(where.error.isEmpty(), qPrintable(where.error));
        QCOMPARE(where.helpFolder, kTemplates + QStringLiteral("/help"));
        const QDir dir(user);
        for (const char* sub : {"WAVUs", "Log", "ARHIVA"})
            QVERIFY2(QFileInfo(dir.filePath(QLatin1String(sub))).isDir(), sub);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("special_stations.txt"))).size() > 0);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DbsVELT.mdb"))).size() > 0);
        Database log(QStringLiteral("LogDb"));
        QVERIFY(
            log.open(dir.filePath(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")).ok());
        // The totals are kept by the schema's triggers: the whole script ran, bodies included.
        QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Etp, Pct) VALUES ('1', ' 2')")));
        QCOMPARE(log.scalar(QStringLiteral("SELECT Points FROM LogTotals WHERE Etp = '1'")).toInt(),
                 2);
    }

    // An existing folder is the operator's, even with its databases missing.
    void existingUserFolderIsLeftAsItIs() {
        TempDataFolder user;
        QVERIFY(user.write(QStringLiteral("VELTInit.dat"), "YO3ABC\r\n"));
        const DataFolder::Location where = DataFolder::locate(user.path(), kTemplates);
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
