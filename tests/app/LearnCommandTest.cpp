#include "LogWithCopies.h"
#include "app/CommandLine.h"
#include "fakes/FakeJetReader.h"

#include <QTest>

// `velt --learn`: the counts printed, and the database written only without --dry-run.
class LearnCommandTest : public QObject {
    Q_OBJECT
private slots:
    void learn_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("copies");
        const QString log = QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs/cfr2021.log");
        const QString notLog = QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs/notes.txt");
        QTest::newRow("dry run") << QStringList{"--learn", "--dry-run", log} << 0 << 0 << 0;
        QTest::newRow("written") << QStringList{"--learn", log} << 0 << 3 << 1;
        QTest::newRow("one file refused") << QStringList{"--learn", log, notLog} << 1 << 3 << 1;
        QTest::newRow("no file") << QStringList{"--learn"} << 2 << 0 << 0;
    }
    void learn() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(int, rows);
        QFETCH(int, copies);
        LogWithCopies l;
        QVERIFY(l.folder.createDatabases());
        BackupSet callCopies(ReportFiles::backupFolder(l.folder.path()), QStringLiteral("DbsVELT"),
                             l.clock);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        FakeJetReader jet;
        QCOMPARE(CommandLine::run(QStringList{QStringLiteral("velt")} + options, l.folder.path(),
                                  l.clock, jet, outStream, errStream),
                 status);
        outStream.flush();
        if (status != 2)
            QVERIFY2(out.startsWith(QStringLiteral("Indicative noi: 3\n")), qPrintable(out));
        Database calls(QStringLiteral("Learnt"));
        QCOMPARE(
            calls.open(l.folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
            Database::OpenResult::Ok);
        QCOMPARE(calls.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt(), rows);
        QCOMPARE(callCopies.files().size(), copies);
    }
};

QTEST_GUILESS_MAIN(LearnCommandTest)
#include "LearnCommandTest.moc"
