#include "app/CommandLine.h"
#include "LogWithCopies.h"
#include "fakes/FakeJetReader.h"

#include <QFileInfo>
#include <QTest>

// The way back from the console: the operator's stories after a delete, and the options.
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
    void restoreBringsBackEveryContact_data() {
        QTest::addColumn<bool>("wholeLog");
        QTest::newRow("DELETE_LOG") << true;
        QTest::newRow("one contact") << false;
    }
    void restoreBringsBackEveryContact() {
        QFETCH(bool, wholeLog);
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(12));
        const QList<QVariantList> before = LogWithCopies::rows(l.log);
        LogStore store(l.log);
        QVERIFY(wholeLog ? store.removeAll() : store.remove(before[5][0].toLongLong()));
        l.log.close(); // the program has ended
        const QString newest = QFileInfo(l.copies.files().last()).fileName();

        const Answer a = velt({QStringLiteral("--restore"), newest}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 0);
        QCOMPARE(l.copies.files().size(), 2); // the log as it was before the restore
        QCOMPARE(l.log.open(l.logPath(), QStringLiteral("LogGen")), Database::OpenResult::Ok);
        QCOMPARE(LogWithCopies::rows(l.log), before);
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
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

    void optionsAnswerAsConsoleProgramsDo_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--list-backups"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "velt "
                                 << "";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << ""
                                 << "Optiune necunoscuta: bogus";
        QTest::newRow("restore without a file") << QStringList{"--restore"} << 2 << ""
                                                << "cere numele copiei";
        QTest::newRow("missing copy") << QStringList{"--restore", "nu-exista.mdb"} << 1 << ""
                                      << "NU S-A SCHIMBAT NIMIC";
    }
    void optionsAnswerAsConsoleProgramsDo() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        LogWithCopies l;
        QVERIFY(l.open());
        l.log.close();
        const Answer a = velt(options, l.folder.path(), l.clock);
        QCOMPARE(a.status, status);
        QVERIFY2(a.out.contains(out), qPrintable(a.out));
        QVERIFY2(a.err.contains(err), qPrintable(a.err));
        if (status == 2) // an error shows the help text too
            QVERIFY(a.err.contains(QStringLiteral("--list-backups")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
