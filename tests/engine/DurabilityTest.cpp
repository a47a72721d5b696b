#include "LogWithCopies.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {
// The contacts of a sound log; nothing when the file is damaged.
std::optional<QSet<qint64>> contactIds(const QString& path) {
    Database db(QStringLiteral("Check"));
    if (!db.open(path, QStringLiteral("LogGen")).ok() ||
        db.scalar(QStringLiteral("PRAGMA integrity_check")) != QVariant(QStringLiteral("ok")))
        return std::nullopt;
    QSet<qint64> ids;
    auto q = db.select(QStringLiteral("SELECT ID FROM LogGen"));
    while (q && q->next())
        ids.insert(q->value(0).toLongLong());
    return ids;
}
} // namespace

// A logging process killed at random moments loses no contact whose `Enter` had returned, nor one
// it was correcting; the log and a copy taken meanwhile are sound and hold every such contact.
class DurabilityTest : public QObject {
    Q_OBJECT
private slots:
    void killedLoggerLosesNothing_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("earlier"); // contacts in the log before the first start
        QTest::newRow("logging") << QString() << 0;
        QTest::newRow("correcting") << QStringLiteral("correct") << 5;
    }
    void killedLoggerLosesNothing() {
        QFETCH(QString, mode);
        QFETCH(int, earlier);
        LogWithCopies l;
        QVERIFY(l.open());
        const QString logPath = l.logPath();
        QSet<qint64> reported;
        for (int id = 1; id <= earlier; ++id) {
            QVERIFY(l.log.exec(QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Etp, Sent, "
                                              "Rcvd, Md, Jud, Mult, Pct) VALUES (?, '01.03.26', "
                                              "'10:00', '1', '599 001 TR', '599 001 CJ', 'CW', "
                                              "'CJ', '  ', '2')"),
                               {QStringLiteral("YO5K%1").arg(id)}));
            reported.insert(id);
        }
        QRandomGenerator random(20261206);
        for (int round = 0; round < 20; ++round) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel); // sanitizer reports
            child.start(QStringLiteral(DURABILITY_CHILD), {l.folder.path(), mode});
            QVERIFY(child.waitForStarted());
            QTest::qWait(int(random.bounded(40, 400)));
            while (child.canReadLine())
                reported.insert(child.readLine().trimmed().toLongLong());
            const BackupSet::Result copy = l.copies.keep(logPath);
            QVERIFY2(copy.state != BackupSet::State::Failed, qPrintable(copy.error));
            QVERIFY(contactIds(copy.path).value_or(QSet<qint64>()).contains(reported));
            child.kill();                     // SIGKILL: no chance to clean up
            QVERIFY(child.waitForFinished()); // false when it had stopped by itself
            while (child.canReadLine())       // a whole line is printed only after `Enter` returned
                reported.insert(child.readLine().trimmed().toLongLong());

            const std::optional<QSet<qint64>> stored = contactIds(logPath);
            QVERIFY2(stored && stored->contains(reported), "a contact was lost");
            if (earlier > 0)
                QCOMPARE(*stored, reported); // a correction neither adds nor moves a contact
            QCOMPARE(l.log.scalar(QStringLiteral("SELECT Qsos FROM LogTotals WHERE Etp = '1'"))
                         .toLongLong(),
                     qint64(stored->size()));
        }
        QVERIFY2(earlier > 0 || reported.size() > 20, "the logger hardly ran");
    }
};

QTEST_GUILESS_MAIN(DurabilityTest)
#include "DurabilityTest.moc"
