#include "app/CommandLine.h"
#include "LogWithCopies.h"
#include "fakes/FakeJetReader.h"

#include <QFileInfo>
#include <QTest>

// The way back from the console after a delete, and the options refused.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Answer {
        int status;
        QString out;
        QString err;
    };
    static Answer velt(const QStringList& options, const QString& dataPath, const Clock& clock) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        FakeJetReader jet;
        const int status = CommandLine::run(QStringList{QStringLiteral("velt")} + options, dataPath,
                                            clock, jet, outStream, errStream);
        return {status, out, err};
    }

private slots:
    void restoreBringsBackEveryContact() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(12));
        const QList<QVariantList> before = LogWithCopies::rows(l.log);
        QVERIFY(LogStore(l.log).removeAll());
        l.log.close(); // the program has ended
        const QString newest = QFileInfo(l.copies.files().last()).fileName();

        const Answer a = velt({QStringLiteral("--restore"), newest}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 0);
        QCOMPARE(l.copies.files().size(), 2); // the log as it was before the restore
        QCOMPARE(l.log.open(l.logPath(), QStringLiteral("LogGen")), Database::OpenResult::Ok);
        QCOMPARE(LogWithCopies::rows(l.log), before);
    }

    void restoreRefusedWhileTheProgramRuns() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(4));
        QVERIFY(LogStore(l.log).removeAll());
        const Answer a =
            velt({QStringLiteral("--restore"), l.copies.files().last()}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 1);
        QVERIFY2(a.err.contains(QStringLiteral("ESTE DESCHIS DE UN PROGRAM CARE RULEAZA")),
                 qPrintable(a.err));
        QCOMPARE(LogWithCopies::rows(l.log).size(), 0);
        QCOMPARE(l.copies.files().size(), 1);
    }

    void listShowsContactsPerStage() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(5)); // stages 1, 2, 3, 4, 1
        QVERIFY(l.log.keepCopy());
        const Answer a = velt({QStringLiteral("--list-backups")}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 0);
        QVERIFY2(a.out.contains(QFileInfo(l.copies.files().last()).fileName() +
                                QStringLiteral("  1A: 2  1B: 1  2A: 1  2B: 1\n")),
                 qPrintable(a.out));
    }

    void badOptionsAreRefused_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << "Optiune necunoscuta: bogus";
        QTest::newRow("restore without a file")
            << QStringList{"--restore"} << 2 << "cere numele copiei";
        QTest::newRow("missing copy")
            << QStringList{"--restore", "nu-exista.mdb"} << 1 << "NU S-A SCHIMBAT NIMIC";
    }
    void badOptionsAreRefused() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, err);
        LogWithCopies l;
        QVERIFY(l.open());
        l.log.close();
        const Answer a = velt(options, l.folder.path(), l.clock);
        QCOMPARE(a.status, status);
        QVERIFY(a.out.isEmpty());
        QVERIFY2(a.err.contains(err), qPrintable(a.err));
        // A wrong command line shows the help text too.
        QCOMPARE(a.err.contains(QStringLiteral("--list-backups")), status == 2);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
