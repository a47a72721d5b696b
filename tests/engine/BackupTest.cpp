#include "LogWithCopies.h"
#include "logging/BackupRestore.h"
#include "refdata/CallsignDb.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <unistd.h>

// The copies kept before anything removes rows: how many, when, and what a failed copy stops.
class BackupTest : public QObject {
    Q_OBJECT

    static qint64 firstId(Database& db) {
        return db.scalar(QStringLiteral("SELECT min(ID) FROM LogGen")).toLongLong();
    }

private slots:
    void deletesInOneSecondKeepTheNewestTwenty() {
        const int deletes = 21;
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(30));
        LogStore store(l.log);
        for (int i = 0; i < deletes; ++i)
            QVERIFY(store.remove(firstId(l.log)));
        // Copies taken in one second are told apart by a number; the oldest went.
        QList<int> held;
        for (const QString& copy : l.copies.files())
            held << BackupRestore::rowCount(copy, QStringLiteral("LogGen")).value_or(-1);
        QList<int> expected;
        for (int n = 30 - deletes + 20; n > 30 - deletes; --n)
            expected << n;
        QCOMPARE(held, expected);
    }

    void unchangedLogMakesNoNewCopy() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(3));
        QVERIFY(l.log.keepCopy());
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
        const QString backups = l.copies.folder();
        QVERIFY(QDir().mkpath(backups));
        const bool root = geteuid() == 0;
        // As root a 16 KiB file system stands for the full disk; otherwise a folder that cannot
        // be written stands for it.
        if (root)
            QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                       {"-t", "tmpfs", "-o", "size=16k", "tmpfs", backups}),
                     0);
        else
            QVERIFY(QFile::setPermissions(backups, QFile::ReadOwner | QFile::ExeOwner));
        qInfo("full disk: %s", root ? "tmpfs of 16 KiB" : "read-only folder");
        const Outcome<void> removed = LogStore(l.log).removeAll();
        const QStringList left = QDir(backups).entryList(QDir::Files);
        if (root)
            QProcess::execute(QStringLiteral("umount"), {backups});
        QVERIFY(!removed);
        QVERIFY(removed.error().startsWith(QStringLiteral("COPIA DE SIGURANTA")));
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 200);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
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
            QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
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

    // Learning while logging copies nothing; the changed database is kept once at the end.
    void learntCountiesAreKeptWhenTheProgramEnds() {
        LogWithCopies l;
        QVERIFY(l.open());
        Database callDb(QStringLiteral("CallDb"));
        QCOMPARE(
            callDb.open(l.folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
            Database::OpenResult::Ok);
        BackupSet callCopies(l.copies.folder(), QStringLiteral("DbsVELT"), l.clock);
        callDb.keepCopiesIn(&callCopies);
        CallsignDb calls(callDb);
        QVERIFY(calls.add(QStringLiteral("YO5AAA"), QStringLiteral("CJ")));
        QVERIFY(calls.changeCounty(QStringLiteral("YO5AAA"), QStringLiteral("BH")));
        QVERIFY(callCopies.files().isEmpty());
        QVERIFY(callDb.keepCopy());
        QVERIFY(callDb.keepCopy());
        const QStringList copies = callCopies.files();
        QCOMPARE(copies.size(), 1);
        Database copy(QStringLiteral("Copy"));
        QCOMPARE(copy.open(copies.first(), QStringLiteral("CallJud")), Database::OpenResult::Ok);
        QCOMPARE(copy.scalar(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = 'YO5AAA'")),
                 QVariant(QStringLiteral("BH")));
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "BackupTest.moc"
