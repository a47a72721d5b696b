#include "SmallDisk.h"
#include "TempDataFolder.h"
#include "engine/ReportFixture.h"
#include "logging/Database.h"
#include "logging/LogStore.h"
#include "reports/LogExport.h"
#include "setup/ContestCatalog.h"
#include "setup/SettingsFiles.h"

#include <QTest>
#include <functional>

namespace {
// A size-limited tmpfs with Log/ and ARHIVA/, filled on request.
class FullDisk : public SmallDisk {
public:
    FullDisk() : SmallDisk(512 * 1024) {
        QDir(path()).mkpath(QStringLiteral("Log"));
        QDir(path()).mkpath(QStringLiteral("ARHIVA"));
    }
    QStringList entries() const {
        QStringList all;
        for (const QString& folder :
             {QStringLiteral("."), QStringLiteral("Log"), QStringLiteral("ARHIVA")})
            for (const QString& f : QDir(file(folder)).entryList(QDir::Files))
                all << folder + u'/' + f;
        all.removeAll(QStringLiteral("./filler"));
        return all;
    }
};

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Writer = std::function<QString(const QString& appPath, LogExport& log, int round)>;

SettingsRecord station(int round) {
    SettingsRecord s = ReportFixture::station();
    s.address = QStringLiteral("STR. LUNGA %1").arg(round);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

// Every file the program writes, on a disk that is full: the old file stays
// byte for byte and the operator is told; nothing half-written is left beside
// it.
class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_log.createDatabases());
        QCOMPARE(m_db.open(m_log.file("LogVELT.mdb"), "LogGen"), Database::OpenResult::Ok);
        for (const LogRow& r : ReportFixture::entered(35))
            QVERIFY(LogStore(m_db).insert(r));
    }

    void oldFileKept_data() {
        QTest::addColumn<Writer>("write");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("settings") << Writer([](const QString& app, LogExport&, int round) {
            return SettingsFiles::writeInitFile(app, station(round)).error();
        }) << QStringList{"VELTInit.dat"};
        QTest::newRow("text log and summary")
            << Writer([](const QString&, LogExport& log, int) { return log.textLog().error; })
            << QStringList{"Log/YO5OHO CpCarpati07.txt", "Log/YO5OHO SUM CpCarpati07.txt"};
        QTest::newRow("ADIF") << Writer([](const QString&, LogExport& log, int) {
            return log.adif(QStringLiteral("CARPATI")).error;
        }) << QStringList{"ARHIVA/CARPATI.adi"};
    }
    void oldFileKept() {
        QFETCH(Writer, write);
        QFETCH(QStringList, files);
        const FullDisk disk;
        if (!disk.mounted())
            QSKIP("a small disk is mounted only when the tests run as root");
        const SettingsRecord st = station(1);
        LogExport log(m_db, *ContestCatalog::find(35), st, disk.path(), "07");
        QCOMPARE(write(disk.path(), log, 1), QString());
        QStringList before;
        for (const QString& f : files) {
            before << QString::fromLatin1(bytesOf(disk.file(f)).toHex());
            QVERIFY2(!before.last().isEmpty(), qPrintable(f));
        }
        const QStringList entries = disk.entries();

        disk.fill();
        const QString message = write(disk.path(), log, 2);
        QVERIFY2(message.contains(QStringLiteral("NU A PUTUT FI SCRIS")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("FISIERUL ANTERIOR A RAMAS NESCHIMBAT")));
        for (qsizetype i = 0; i < files.size(); ++i)
            QCOMPARE(QString::fromLatin1(bytesOf(disk.file(files[i])).toHex()), before[i]);
        QCOMPARE(disk.entries(), entries);
    }

private:
    TempDataFolder m_log;
    Database m_db{QStringLiteral("FullDiskTest")};
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
