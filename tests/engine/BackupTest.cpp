#include "ExpectedFile.h"
#include "LogWithCopies.h"
#include "SmallDisk.h"
#include "store/BackupRestore.h"
#include "store/SchemaUpgrade.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {
// Puts `name` in `folder`: a folder when it ends in "/", else a file of a few bytes.
bool place(const QDir& folder, const QString& name) {
    if (name.endsWith(u'/'))
        return folder.mkpath(name);
    QFile f(folder.filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(name.toUtf8()) > 0;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("folder");
}
} // namespace

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

    // A new copy sorts last and never takes a name that is there already, whatever holds it; it
    // holds the log, and what was there is left as it was.
    void copyNames() {
        QVERIFY(answersAsExpected("data/tables/copynames.txt", [](const QString& row) {
            LogWithCopies l;
            l.clock.current = QDateTime(QDate(2026, 3, 1), QTime(14, 5), Qt::UTC);
            const QDir folder(l.copies.folder());
            if (!l.open() || !l.addContacts(3) || !folder.mkpath(QStringLiteral(".")))
                return QStringLiteral("no log");
            QMap<QString, QByteArray> before;
            for (const QString& name : row.section(QStringLiteral(": "), -1).split(u' '))
                if (place(folder, name))
                    before[name] = contents(folder.filePath(name));
            const BackupSet::Result r = l.copies.keep(l.logPath());
            QMap<QString, QByteArray> after;
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                after[it.key()] = contents(folder.filePath(it.key()));
            const bool sound = l.copies.files().last() == r.path && after == before &&
                               BackupRestore::rowCount(r.path, QStringLiteral("LogGen")) == 3;
            return QFileInfo(r.path).fileName() + (sound ? "" : " (not sound)");
        }));
    }

    // A copy written in place and cut short (its journal beside it) is neither listed nor
    // counted, and goes at the next start; killedCopyLeavesNoPartialCopy covers the .part files.
    void leftoversOfInterruptedCopies() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(2));
        QVERIFY(l.log.keepCopy());
        const QStringList whole = l.copies.files();
        const QDir folder(l.copies.folder());
        for (const char* name :
             {"LogVELT-2099-01-01-000000.mdb", "LogVELT-2099-01-01-000000.mdb-journal"})
            QVERIFY(place(folder, QLatin1String(name)));
        QCOMPARE(l.copies.files(), whole);
        l.copies.removeInterrupted();
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(whole.first()).fileName()});
    }

    // Putting back the oldest copy: the copy of the log taken first does not push it out.
    void restoreKeepsTheCopyPutBack() {
        LogWithCopies l;
        QVERIFY(l.open());
        for (int i = 0; i < BackupSet::kKept; ++i)
            QVERIFY(l.addContacts(1) && l.log.keepCopy());
        QVERIFY(l.addContacts(1));
        const QString oldest = l.copies.files().first();
        l.log.close();
        QVERIFY(BackupRestore::restore(l.copies, l.logPath(), oldest, BackupRestore::Kind::Log));
        QCOMPARE(l.copies.files().size(), BackupSet::kKept + 1);
        QCOMPARE(l.copies.files().first(), oldest);
        QCOMPARE(BackupRestore::rowCount(l.logPath(), QStringLiteral("LogGen")), 1);
    }

    // A delete killed in the middle of its copy of a contest-size log: no part of that copy is
    // listed or counted, it goes at the next start, and the log lost nothing.
    void killedCopyLeavesNoPartialCopy() {
        constexpr int kContacts = 40000;
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.log.exec(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, Mult, Pct) "
                "SELECT 'YO' || (2 + i % 8) || 'K' || i, '01.03.26', '12:00', 1 + i % 4, '599 ' || "
                "i, "
                "'599 001 BU', 'CW', 'BU', '  ', ' 1' FROM n"),
            {kContacts}));
        l.log.close();
        const QDir folder(l.copies.folder());
        QProcess child;
        child.start(QStringLiteral(BACKUP_CHILD), {l.folder.path()});
        QVERIFY(child.waitForStarted() && child.waitForReadyRead(60000)); // one delete done
        bool caught = false; // an unfinished copy already holding pages
        for (QDeadlineTimer limit(60000); !caught && !limit.hasExpired();) {
            for (const QFileInfo& f : folder.entryInfoList({QStringLiteral("*.part")}, QDir::Files))
                caught = caught || f.size() > 0;
            QVERIFY(child.state() == QProcess::Running);
        }
        child.kill(); // SIGKILL: no chance to clean up
        QVERIFY(child.waitForFinished());
        QVERIFY(caught);
        const int deletes = int(child.readAllStandardOutput().count('\n'));

        QVERIFY(l.log.open(l.logPath(), QStringLiteral("LogGen")).ok());
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), "ok");
        const int left = l.log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt();
        QVERIFY(left == kContacts - deletes || left == kContacts - deletes - 1); // print unseen
        // Whole copies only, each the log before one delete, the newest before the last.
        const QStringList listed = l.copies.files();
        QVERIFY(!listed.isEmpty() && listed.size() <= BackupSet::kKept);
        for (qsizetype i = 0; i < listed.size(); ++i)
            QCOMPARE(BackupRestore::rowCount(listed[i], QStringLiteral("LogGen")),
                     left + int(listed.size() - i));
        QVERIFY(!folder.entryList({QStringLiteral("*.part*")}, QDir::Files).isEmpty());
        l.copies.removeInterrupted();
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), listed.size());
    }

    // Emptied at once, the log counts its totals as before; the copy holds every row.
    void emptyingTheLogKeepsCopyAndTotals() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(10)); // stages 1, 2, 3, 4, 1, ...
        QVERIFY(LogStore(l.log).removeAll());
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 0);
        QCOMPARE(BackupRestore::stageCounts(l.copies.files().value(0)),
                 (std::array<int, 4>{3, 3, 2, 2}));
        QVERIFY(l.addContacts(5));
        QVERIFY(LogStore(l.log).remove(
            l.log.scalar(QStringLiteral("SELECT min(ID) FROM LogGen")).toLongLong()));
        const auto totals = LogStore(l.log).stageTotals();
        QVERIFY(totals);
        QList<int> qsos;
        for (const StageTotals& t : *totals)
            qsos << t.qsos;
        QCOMPARE(qsos, QList<int>({1, 1, 1, 1}));
    }

    // A change made after a copy that cannot be made: nothing changes, and that is said once.
    void fullDiskStopsTheDelete() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(200));
        QVERIFY(l.log.exec(QStringLiteral("PRAGMA user_version = 2")));
        // As root a 16 KiB file system is the full disk; otherwise a folder that cannot be written.
        const SmallDisk disk(qint64{16} * 1024);
        if (!disk.mounted())
            QVERIFY(QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::ExeOwner));
        BackupSet copies(disk.path(), QStringLiteral("LogVELT"), l.clock);
        l.log.keepCopiesIn(&copies);
        for (const Outcome<void>& changed :
             {LogStore(l.log).removeAll(), SchemaUpgrade::bringUpToDate(l.log)})
            QVERIFY2(changed.error().endsWith(QStringLiteral(" NU S-A SCHIMBAT NIMIC.")) &&
                         changed.error().count(QStringLiteral("NIMIC")) == 1,
                     qPrintable(changed.error()));
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt(), 200);
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA user_version")).toInt(), 2);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "BackupTest.moc"
