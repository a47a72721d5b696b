#include "app/CommandLine.h"
#include "LogWithCopies.h"
#include "fakes/FakeJetReader.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
// Each file of the data folder with a hash of its bytes.
QStringList filesOf(const TempDataFolder& dir) {
    QStringList out;
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        out << f + u':' + QString::number(qHash(dir.read(f)));
    return out;
}
} // namespace

// The console commands: the way back after a delete, the old program's import, and refusals.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Answer {
        int status;
        QString out;
        QString err;
    };
    // `jetTables`: what the Jet file named to --import-jet holds.
    static Answer velt(const QStringList& options, const QString& dataPath, const Clock& clock,
                       const QMap<QString, JetTable>& jetTables = {}) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        FakeJetReader jet;
        jet.content = jetTables;
        const int status = CommandLine::run(QStringList{QStringLiteral("velt")} + options, dataPath,
                                            clock, jet, outStream, errStream);
        return {status, out, err};
    }

private slots:
    // Refused while the program runs, then done once it has ended.
    void restoreBringsBackEveryContact() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(12));
        const QList<QVariantList> before = LogWithCopies::rows(l.log);
        QVERIFY(LogStore(l.log).removeAll());
        const QString newest = QFileInfo(l.copies.files().last()).fileName();

        Answer a = velt({QStringLiteral("--restore"), newest}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 1);
        QVERIFY2(a.err.contains(QStringLiteral("ESTE DESCHIS DE UN PROGRAM CARE RULEAZA")),
                 qPrintable(a.err));
        QCOMPARE(LogWithCopies::rows(l.log).size(), 0);
        QCOMPARE(l.copies.files().size(), 1);

        l.log.close();
        a = velt({QStringLiteral("--restore"), newest}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 0);
        QCOMPARE(l.copies.files().size(), 2); // the log as it was before the restore
        QCOMPARE(l.log.open(l.logPath(), QStringLiteral("LogGen")), Database::OpenResult::Ok);
        QCOMPARE(LogWithCopies::rows(l.log), before);
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

    // Each table found is imported; the log only into an empty one, else the command fails.
    void importJetTakesEachTableFound_data() {
        QTest::addColumn<bool>("logHasRows");
        QTest::newRow("empty log") << false;
        QTest::newRow("log of another contest") << true;
    }
    void importJetTakesEachTableFound() {
        QFETCH(bool, logHasRows);
        LogWithCopies l;
        QVERIFY(l.open());
        if (logHasRows)
            QVERIFY(l.addContacts(1));
        l.log.close(); // the command runs while the program does not
        QVERIFY(l.folder.write(QStringLiteral("old.mdb"),
                               QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x00", 21) +
                                   QByteArray(4075, 'j')));
        const QMap<QString, JetTable> old{
            {QStringLiteral("CallJud"), {{"Call", "Jud"}, {{"yo3abc", "B3"}, {"YO8NEW", "IS"}}}},
            {QStringLiteral("LogGen"),
             {QString("ID Callsign Data UTC Etp Sent Rcvd Md Jud Mult Pct").split(u' '),
              {{"1", "YO9A", "01.03.26", "12:05", "1", "599 1", "599 5", "CW", "BU", "BU",
                " 1"}}}}};

        const Answer a = velt({QStringLiteral("--import-jet"), l.folder.file("old.mdb")},
                              l.folder.path(), l.clock, old);

        QCOMPARE(a.status, logHasRows ? 1 : 0);
        QVERIFY2(a.out.startsWith(QStringLiteral("Tabela CallJud importata")), qPrintable(a.out));
        QCOMPARE(a.out.contains(QStringLiteral("Tabela LogGen importata")), !logHasRows);
        QCOMPARE(a.err.contains(QStringLiteral("Tabela LogGen nu a fost importata")), logHasRows);
        QCOMPARE(l.log.open(l.logPath(), QStringLiteral("LogGen")), Database::OpenResult::Ok);
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT group_concat(Callsign) FROM LogGen")),
                 QVariant(logHasRows ? "YO0O'K" : "YO9A"));
    }

    void badCommandsChangeNothing_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        const QString jet = QStringLiteral(VELT_JET_FIXTURES "/jet4-plain.mdb");
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << "Optiune necunoscuta: bogus";
        QTest::newRow("unknown word")
            << QStringList{"AUTO", "foo"} << 2 << "Cuvant necunoscut: foo";
        QTest::newRow("restore without a file")
            << QStringList{"--restore"} << 2 << "cere numele copiei";
        QTest::newRow("import without a file")
            << QStringList{"--import-jet"} << 2 << "--import-jet cere numele fisierului .mdb";
        QTest::newRow("missing copy")
            << QStringList{"--restore", "nu-exista.mdb"} << 1 << "NU S-A SCHIMBAT NIMIC";
        QTest::newRow("missing Jet file")
            << QStringList{"--import-jet", "/nowhere/x.mdb"} << 1 << "nu exista";
        QTest::newRow("not a Jet file")
            << QStringList{"--import-jet", VELT_SCHEMA} << 1 << "nu este o baza de date Jet";
        QTest::newRow("Jet file without the tables")
            << QStringList{"--import-jet", jet} << 1
            << "nu contine nici tabela CallJud, nici LogGen";
    }
    void badCommandsChangeNothing() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, err);
        LogWithCopies l;
        QVERIFY(l.open());
        l.log.close();
        const QStringList before = filesOf(l.folder);
        const Answer a = velt(options, l.folder.path(), l.clock);
        QCOMPARE(a.status, status);
        QVERIFY(a.out.isEmpty());
        QVERIFY2(a.err.contains(err), qPrintable(a.err));
        // A wrong command line shows the help text too.
        QCOMPARE(a.err.contains(QStringLiteral("--list-backups")), status == 2);
        QCOMPARE(filesOf(l.folder), before);
    }

    // The program itself, with an empty home: nothing but the named commands may make its data
    // folder, only "AUTO" may stand beside them, and without a display it says what it needs.
    void programAnswersWithoutSideEffects_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << "offscreen" << 0 << "--list-backups"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << "offscreen" << 0
                                 << "velt " VELT_VERSION "\n"
                                 << "";
        QTest::newRow("unknown word") << QStringList{"foo"} << "offscreen" << 2 << ""
                                      << "Cuvant necunoscut: foo";
        QTest::newRow("no display") << QStringList{"AUTO"} << "xcb" << 1 << ""
                                    << "VELT are nevoie de un ecran grafic";
    }
    void programAnswersWithoutSideEffects() {
        QFETCH(QStringList, options);
        QFETCH(QString, platform);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QTemporaryDir home;
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess velt;
        velt.setProcessEnvironment(env);
        velt.start(QStringLiteral(VELT_PROGRAM), options);
        QVERIFY(velt.waitForFinished());
        QCOMPARE(velt.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(velt.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(velt.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
        QCOMPARE(stdErr.contains(QStringLiteral("--list-backups")), status == 2); // the usage
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }

    // The manual page names every option the program accepts, and no other.
    void manPageListsEveryOption() {
        QFile page(QStringLiteral(VELT_MAN_PAGE));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        QStringList named;
        static const QRegularExpression option(QStringLiteral(R"(\\fB\\-\\-([a-z\\-]+)\\fR)"));
        for (const QRegularExpressionMatch& m : option.globalMatch(text))
            named << m.captured(1).remove(u'\\');
        named.removeDuplicates();
        named.sort();
        QStringList accepted = CommandLine::optionNames();
        accepted.sort();
        QCOMPARE(named, accepted);
        for (const char* section : {".SH FILES", ".SH \"EXIT STATUS\"", ".SH ENVIRONMENT"})
            QVERIFY2(text.contains(QLatin1String(section)), section);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
