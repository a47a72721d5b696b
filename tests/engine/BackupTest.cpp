#include "LogWithCopies.h"
#include "SmallDisk.h"
#include "logging/BackupRestore.h"

#include <QProcess>
#include <QTest>

// The copies kept before anything removes rows: how many, when, and what a failed copy stops.
class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void deletesInOneSecondKeepTheNewestTwenty() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(30));
        LogStore store(l.log);
        for (int i = 0; i < 21; ++i)
            QVERIFY(store.remove(
                l.log.scalar(QStringLiteral("SELECT min(ID) FROM LogGen")).toLongLong()));
        // Copies taken in one second are told apart by a number; the oldest went.
        QList<int> held;
        for (const QString& copy : l.copies.files())
            held << BackupRestore::rowCount(copy, QStringLiteral("LogGen")).value_or(-1);
        QList<int> expected;
        for (int n = 29; n >= 10; --n)
            expected << n;
        QCOMPARE(held, expected);
    }

    void unchangedLogMakesNoNewCopy() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(3));
        QVERIFY(l.log.keepCopy());
        // A later run knows the newest copy only from the file.
        BackupSet nextRun(l.copies.folder(), l.copies.stem(), l.clock);
        QCOMPARE(nextRun.keep(l.logPath()).state, BackupSet::State::Unchanged);
        QCOMPARE(l.copies.files().size(), 1);
        QVERIFY(l.addContacts(1));
        QVERIFY(l.log.keepCopy());
        QCOMPARE(l.copies.files().size(), 2);
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

    void copyWhileAnotherProgramLogsIsWholeAndComplete() {
        LogWithCopies l;
        QVERIFY(l.open());
        QProcess child;
        child.start(QStringLiteral(DURABILITY_CHILD), {l.folder.path()});
        QVERIFY(child.waitForStarted());
        QSet<qint64> acknowledged;
        for (int round = 0; round < 8; ++round) {
            QTest::qWait(50);
            while (child.canReadLine())
                acknowledged.insert(child.readLine().trimmed().toLongLong());
            // Nothing logged since the last copy leaves that copy as the newest: no new one.
            const BackupSet::Result r = l.copies.keep(l.logPath());
            QVERIFY2(r.state != BackupSet::State::Failed, qPrintable(r.error));
            Database copy(QStringLiteral("Copy%1").arg(round));
            QCOMPARE(copy.open(r.path, QStringLiteral("LogGen")), Database::OpenResult::Ok);
            QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")),
                     QVariant(QStringLiteral("ok")));
            QSet<qint64> held;
            auto q = copy.select(QStringLiteral("SELECT ID FROM LogGen"));
            while (q && q->next())
                held.insert(q->value(0).toLongLong());
            QVERIFY(held.contains(acknowledged));
        }
        child.kill();
        child.waitForFinished();
        QVERIFY2(acknowledged.size() > 8, "the other program hardly logged");
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "BackupTest.moc"
