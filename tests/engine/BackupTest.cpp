#include "LogWithCopies.h"
#include "SmallDisk.h"
#include "logging/BackupRestore.h"

#include <QTest>

// The copies kept before anything removes rows: how many, when, and what a failed copy stops.
class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void copiesInOneSecondKeepTheNewestTwenty() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(30));
        LogStore store(l.log);
        for (int i = 0; i < 21; ++i)
            QVERIFY(store.remove(
                l.log.scalar(QStringLiteral("SELECT min(ID) FROM LogGen")).toLongLong()));
        // Kept at the end once; a later run knows the newest copy only from the file.
        QVERIFY(l.log.keepCopy());
        QVERIFY(l.log.keepCopy());
        QCOMPARE(BackupSet(l.copies.folder(), l.copies.stem(), l.clock).keep(l.logPath()).state,
                 BackupSet::State::Unchanged);
        // Copies taken in one second are told apart by a number; the oldest went.
        QList<int> held;
        for (const QString& copy : l.copies.files())
            held << BackupRestore::rowCount(copy, QStringLiteral("LogGen")).value_or(-1);
        QList<int> expected;
        for (int n = 28; n >= 9; --n)
            expected << n;
        QCOMPARE(held, expected);
    }

    void fullDiskStopsTheDelete() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(200));
        // As root a 16 KiB file system is the full disk; otherwise a folder that cannot be written.
        const SmallDisk disk(16 * 1024);
        if (!disk.mounted())
            QVERIFY(QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::ExeOwner));
        BackupSet copies(disk.path(), QStringLiteral("LogVELT"), l.clock);
        l.log.keepCopiesIn(&copies);
        const Outcome<void> removed = LogStore(l.log).removeAll();
        QVERIFY(!removed);
        QVERIFY(removed.error().startsWith(QStringLiteral("COPIA DE SIGURANTA")));
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 200);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "BackupTest.moc"
