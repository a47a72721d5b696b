#include "TempDataFolder.h"
#include "logging/Database.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

// A logging process killed at random moments loses no contact whose `Enter` had returned, and
// leaves a sound database behind.
class DurabilityTest : public QObject {
    Q_OBJECT
private slots:
    void killedLoggerLosesNoContact() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabases());
        QSet<qint64> reported;
        QRandomGenerator random(20261206);
        for (int round = 0; round < 20; ++round) {
            QProcess child;
            child.start(QStringLiteral(DURABILITY_CHILD), {dir.path()});
            QVERIFY(child.waitForStarted());
            QTest::qWait(int(random.bounded(40, 400)));
            child.kill(); // SIGKILL: no chance to clean up
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            // Only whole lines were printed after an `Enter` that had returned.
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                reported.insert(lines[i].toLongLong());

            Database log(QStringLiteral("Check%1").arg(round));
            QCOMPARE(log.open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                     Database::OpenResult::Ok);
            QCOMPARE(log.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
            QSet<qint64> stored;
            auto q = log.select(QStringLiteral("SELECT ID FROM LogGen"));
            QVERIFY(q);
            while (q->next())
                stored.insert(q->value(0).toLongLong());
            for (qint64 id : std::as_const(reported))
                QVERIFY2(stored.contains(id),
                         qPrintable(QStringLiteral("contact %1 lost").arg(id)));
            QCOMPARE(log.scalar(QStringLiteral("SELECT Qsos FROM LogTotals WHERE Etp = '1'"))
                         .toLongLong(),
                     qint64(stored.size()));
        }
        QVERIFY2(reported.size() > 20, "the logger hardly ran");
    }

    void killedCorrectionLosesNothing() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabases());
        Database log(QStringLiteral("Check"));
        QCOMPARE(log.open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                 Database::OpenResult::Ok);
        QStringList calls;
        for (int i = 0; i < 5; ++i) {
            calls << QStringLiteral("YO5K%1").arg(i);
            QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                            "Rcvd, Md, Jud, Mult, Pct) VALUES (?, '01.03.26', "
                                            "'10:00', '1', '599 001 TR', '599 001 CJ', 'CW', "
                                            "'CJ', '  ', '2')"),
                             {calls.last()}));
        }
        QRandomGenerator random(20261207);
        for (int round = 0; round < 20; ++round) {
            QProcess child;
            child.start(QStringLiteral(DURABILITY_CHILD), {dir.path(), QStringLiteral("correct")});
            QVERIFY(child.waitForStarted());
            QTest::qWait(int(random.bounded(40, 400)));
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            QCOMPARE(log.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
            QStringList stored;
            auto q = log.select(QStringLiteral("SELECT Callsign FROM LogGen ORDER BY ID"));
            QVERIFY(q);
            while (q->next())
                stored << q->value(0).toString();
            QCOMPARE(stored, calls); // each exactly once, in its place
            QCOMPARE(
                log.scalar(QStringLiteral("SELECT Qsos FROM LogTotals WHERE Etp = '1'")).toInt(),
                calls.size());
        }
    }
};

QTEST_GUILESS_MAIN(DurabilityTest)
#include "DurabilityTest.moc"
