#include "app/CommandLine.h"
#include "ExpectedFile.h"
#include "LogWithCopies.h"
#include "fakes/FakeJetReader.h"
#include "store/BackupRestore.h"
#include "store/CopyCounts.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <sys/stat.h>

namespace {
const QString kCopyName = QStringLiteral("LogVELT-2026-02-01-100000.mdb");

// Makes the file given to --restore beside the log, named `name` (else kCopyName), as `how`
// says: "log" a copy of the log as the program takes it changed by `sql`, "half" that copy cut
// in half, "new" a database made by `sql`, "bytes" `sql` as bytes, "pipe", "folder", or "self"
// (the log itself); its path.
QString makeCopy(LogWithCopies& l, const QString& how, const QString& name, const QString& sql) {
    const QString path = l.folder.file(name.isEmpty() ? kCopyName : name);
    SqliteConnection db;
    if (how == u"half") {
        const QString copy = makeCopy(l, QStringLiteral("log"), name, sql);
        return QFile::resize(copy, QFileInfo(copy).size() / 2) ? copy : QString();
    }
    if (how == u"log")
        return QFile::copy(l.copies.keep(l.logPath()).path, path) &&
                       db.open(path, SqliteConnection::Mode::ReadWrite) && db.exec(qPrintable(sql))
                   ? path
                   : QString();
    if (how == u"new")
        return db.open(path, SqliteConnection::Mode::Create) && db.exec(qPrintable(sql))
                   ? path
                   : QString();
    if (how == u"bytes")
        return l.folder.write(QFileInfo(path).fileName(), sql.toLatin1()) ? path : QString();
    if (how == u"pipe")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    return how == u"folder" ? l.folder.path() : l.logPath();
}

// Each file of the data folder with a hash of its bytes.
QStringList filesOf(const TempDataFolder& dir) {
    QStringList out;
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        out << f + u':' + QString::number(qHash(dir.read(f)));
    return out;
}
} // namespace

// The console commands: the way back after a delete, the old program's import, learning from
// past logs, and refusals.
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
    // Only a regular file holding every column the program needs, every page sound, is put back;
    // a refusal names the real cause and changes no file; a restore leaves a log that can be
    // written.
    void restoreTakesOnlyASoundCopy_data() {
        QTest::addColumn<QString>("how"); // see makeCopy
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("refusal"); // none: restored
        const auto row = [](const char* tag, const char* how, const char* name, const QString& sql,
                            const char* refusal) {
            QTest::newRow(tag) << how << name << sql << refusal;
        };
        const char* calls = "DbsVELT-2026-02-01-100000.mdb";
        // What the copy holds.
        row("whole log copy", "log", "", "", "");
        row("log table of one column", "new", "", "CREATE TABLE LogGen(x)",
            "TABELA LogGen: LIPSESC COLOANELE ID, Callsign, Data, UTC, Etp, Sent, Rcvd, Md, Jud, "
            "Mult, Pct.");
        row("log table without Pct", "new", "",
            "CREATE TABLE LogGen(ID INTEGER PRIMARY KEY, Callsign, Data, UTC, Etp, Sent, Rcvd, "
            "Md, Jud, Mult)",
            "TABELA LogGen: LIPSESC COLOANELE Pct.");
        row("whole callsign copy", "new", calls,
            "CREATE TABLE CallJud(ID INTEGER PRIMARY KEY, Call, Jud);"
            "INSERT INTO CallJud (Call, Jud) VALUES ('YO3ABC', 'B3')",
            "");
        row("callsign table without Jud", "new", calls,
            "CREATE TABLE CallJud(ID INTEGER PRIMARY KEY, Call)",
            "TABELA CallJud: LIPSESC COLOANELE Jud.");
        row("index that disagrees with its table", "log", "",
            "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = 'CREATE INDEX "
            "LogGenCallsign ON LogGen (Data)' WHERE name = 'LogGenCallsign'",
            "ESTE DETERIORAT.");
        // What is named.
        row("pipe", "pipe", "", "", "NU ESTE UN FISIER OBISNUIT");
        row("folder", "folder", "", "", "ESTE UN FOLDER, NU O COPIE.");
        row("the log itself", "self", "", "",
            "ESTE CHIAR LogVELT.mdb PE CARE IL FOLOSESTE PROGRAMUL");
        row("empty", "bytes", "", "", "ESTE GOL.");
        row("garbage", "bytes", "", QString(8192, u'x'), "NU ESTE O BAZA DE DATE SQLITE");
        row("cut in half", "half", "", "", "ESTE INCOMPLET");
        row("1 KiB pages", "log", "", "PRAGMA page_size = 1024; VACUUM;", "");
        row("another program's database", "new", "notes.db", "CREATE TABLE Notes(x)",
            "NU ESTE O COPIE A LOGULUI (TABELA LogGen) SAU A BAZEI DE DATE CU INDICATIVE");
        // Both files hold both tables: without the name, the rows tell which one it is.
        row("callsigns under another name", "log", "indicative.mdb",
            "DELETE FROM LogGen; INSERT INTO CallJud (Call, Jud) VALUES ('YO3ABC', 'B3')", "");
        row("empty under another name", "log", "indicative.mdb", "DELETE FROM LogGen",
            "NUMELE LUI TREBUIE SA INCEAPA CU LogVELT SAU DbsVELT");
    }
    void restoreTakesOnlyASoundCopy() {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(QString, sql);
        QFETCH(QString, refusal);
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(12));
        const QString copy = makeCopy(l, how, name, sql);
        QVERIFY(!copy.isEmpty());
        QVERIFY(LogStore(l.log).removeAll());
        l.log.close();
        const QStringList before = filesOf(l.folder);
        const QStringList copies = l.copies.files();
        const Answer a = velt({QStringLiteral("--restore"), copy}, l.folder.path(), l.clock);
        if (!refusal.isEmpty()) {
            QCOMPARE(a.status, 1);
            QVERIFY2(a.err.contains(refusal) &&
                         a.err.endsWith(QStringLiteral("NU S-A SCHIMBAT NIMIC.\n")),
                     qPrintable(a.err));
            QCOMPARE(filesOf(l.folder), before);
            QCOMPARE(l.copies.files(), copies);
            return;
        }
        QVERIFY2(a.status == 0, qPrintable(a.err));
        const bool callsigns = a.out.startsWith(QStringLiteral("Fisierul DbsVELT.mdb"));
        QCOMPARE(
            LogWithCopies::fingerprint(l.folder.file(callsigns ? "DbsVELT.mdb" : "LogVELT.mdb")),
            LogWithCopies::fingerprint(copy));
        QCOMPARE(l.log.open(l.logPath(), QStringLiteral("LogGen")), Database::OpenResult::Ok);
        QVERIFY(l.addContacts(1));
    }

    // A copy named as listed: refused while the program runs, then done once it has ended.
    void restoreByCopyName() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(12));
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
        QCOMPARE(BackupRestore::rowCount(l.logPath(), QStringLiteral("LogGen")), 12);
    }

    void listShowsContactsPerStage() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(5)); // stages 1, 2, 3, 4, 1
        QVERIFY(l.log.keepCopy());
        // A name of a copy on a link to a pipe is no copy: reading it would never end.
        const QString pipe = l.folder.file(QStringLiteral("pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0 &&
                QFile::link(pipe,
                            l.copies.folder() + QStringLiteral("/LogVELT-2099-01-01-000000.mdb")));
        const Answer a = velt({QStringLiteral("--list-backups")}, l.folder.path(), l.clock);
        QCOMPARE(a.status, 0);
        QVERIFY2(a.out.contains(QStringLiteral("(LogVELT.mdb): 1 copii")), qPrintable(a.out));
        QVERIFY2(a.out.contains(QFileInfo(l.copies.files().last()).fileName() +
                                QStringLiteral("  1A: 2  1B: 1  2A: 1  2B: 1\n")),
                 qPrintable(a.out));

        // The counts are remembered by name, size and time: trusted while all three match (the
        // copy is not opened), read again from the copy when one differs; bad lines are skipped.
        const QString cache = QDir(l.folder.path()).relativeFilePath(l.copies.folder()) + u'/' +
                              CopyCounts::kFileName;
        const QString remembered = QString::fromUtf8(l.folder.read(cache));
        const QString key = remembered.section(u'\t', 0, 2);
        QVERIFY2(remembered == key + QStringLiteral("\t2,1,1,1\n"), qPrintable(remembered));
        const auto listWith = [&](const QString& lines) {
            return l.folder.write(cache, lines.toUtf8())
                       ? velt({QStringLiteral("--list-backups")}, l.folder.path(), l.clock).out
                       : QString();
        };
        QVERIFY(listWith(QStringLiteral("x\tbad\n") + key + QStringLiteral("\t7,7,7,7\n"))
                    .contains(QStringLiteral("1A: 7  1B: 7  2A: 7  2B: 7\n")));
        const QString otherSize = key.section(u'\t', 0, 0) + QStringLiteral("\t1\t") +
                                  key.section(u'\t', 2, 2) + QStringLiteral("\t7,7,7,7\n");
        QCOMPARE(listWith(otherSize), a.out);
        QCOMPARE(QString::fromUtf8(l.folder.read(cache)), remembered);
    }

    // A listing opens at most 100 copies not yet counted, the newest; the next one counts on.
    void listCountsNewestCopiesFirst() {
        LogWithCopies l;
        QVERIFY(l.open());
        QVERIFY(l.addContacts(1));
        QVERIFY(l.log.keepCopy());
        const QString copy = l.copies.files().last();
        for (int i = 0; i < 100; ++i)
            QVERIFY(QFile::copy(copy,
                                l.copies.folder() + QStringLiteral("/LogVELT-2000-01-01-00%1%2.mdb")
                                                        .arg(i / 60, 2, 10, QChar(u'0'))
                                                        .arg(i % 60, 2, 10, QChar(u'0'))));
        const auto list = [&] {
            return velt({QStringLiteral("--list-backups")}, l.folder.path(), l.clock).out;
        };
        const QString first = list();
        QVERIFY2(first.contains(QStringLiteral("LogVELT-2000-01-01-000000.mdb  nenumarata inca")) &&
                     first.count(QStringLiteral("1A: 1  1B: 0")) == 100,
                 qPrintable(first));
        const QString second = list();
        QVERIFY2(!second.contains(QStringLiteral("nenumarata")) &&
                     second.count(QStringLiteral("1A: 1  1B: 0")) == 101,
                 qPrintable(second));
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

    // --learn: the counts printed, and the database written only without --dry-run.
    void learn_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("err");
        const QString log = QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs/cfr2021.log");
        const QString notLog = QStringLiteral(VELT_SOURCE_DIR "/tests/data/pastlogs/notes.txt");
        QTest::newRow("dry run") << QStringList{"--learn", "--dry-run", log} << 0 << 0 << 0 << "";
        QTest::newRow("written") << QStringList{"--learn", log} << 0 << 3 << 1 << "";
        QTest::newRow("one file refused")
            << QStringList{"--learn", log, notLog} << 1 << 3 << 1 << "";
        QTest::newRow("no file") << QStringList{"--learn"} << 2 << 0 << 0 << "Folosire";
        QTest::newRow("large log shows its progress")
            << QStringList{"--learn", "big.log"} << 0 << 6000 << 1
            << "Comparare: 100%\n\rScriere: 16%";
    }
    void learn() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(int, rows);
        QFETCH(int, copies);
        QFETCH(QString, err);
        LogWithCopies l;
        QVERIFY(l.folder.createDatabases());
        QByteArray big = "START-OF-LOG: 3.0\n";
        for (int i = 0; i < rows && options.contains(QStringLiteral("big.log")); ++i)
            big += "QSO: 3500 CW 2024-03-02 1500 YO9AAA 599 1 PH YO5" + QByteArray::number(i) +
                   "X 599 2 CJ\n";
        QVERIFY(l.folder.write(QStringLiteral("big.log"), big));
        options.replaceInStrings(QStringLiteral("big.log"),
                                 l.folder.file(QStringLiteral("big.log")));
        BackupSet callCopies(ReportFiles::backupFolder(l.folder.path()), QStringLiteral("DbsVELT"),
                             l.clock);
        const Answer a = velt(options, l.folder.path(), l.clock);
        QCOMPARE(a.status, status);
        if (status != 2)
            QVERIFY2(a.out.startsWith(QStringLiteral("Inregistrari citite")), qPrintable(a.out));
        QVERIFY2(a.err.contains(err), qPrintable(a.err));
        QCOMPARE(BackupRestore::rowCount(l.folder.file("DbsVELT.mdb"), QStringLiteral("CallJud")),
                 rows);
        QCOMPARE(callCopies.files().size(), copies);
    }

    void badCommandsChangeNothing_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2 << "Optiune necunoscuta: bogus";
        QTest::newRow("unknown word")
            << QStringList{"AUTO", "foo"} << 2 << "Cuvant necunoscut: foo";
        QTest::newRow("restore without a file")
            << QStringList{"--restore"} << 2 << "cere numele copiei";
        QTest::newRow("import without a file")
            << QStringList{"--import-jet"} << 2 << "--import-jet cere numele fisierului .mdb";
        QTest::newRow("data folder without a name")
            << QStringList{"--data-folder"} << 2 << "--data-folder cere numele folderului";
        QTest::newRow("missing copy")
            << QStringList{"--restore", "nu-exista.mdb"} << 1 << "NU S-A SCHIMBAT NIMIC";
        QTest::newRow("missing Jet file")
            << QStringList{"--import-jet", "/nowhere/x.mdb"} << 1 << "nu exista";
        QTest::newRow("not a Jet file")
            << QStringList{"--import-jet", VELT_SCHEMA} << 1 << "nu este o baza de date Jet";
    }
    void badCommandsChangeNothing() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, err);
        LogWithCopies l;
        QVERIFY(l.open());
        l.log.close();
        const QStringList before = filesOf(l.folder);
        // What a copy cut short by a crash left goes, whatever the command.
        const QDir backup(ReportFiles::backupFolder(l.folder.path()));
        QVERIFY(backup.mkpath(QStringLiteral(".")));
        QVERIFY(l.folder.write(QStringLiteral("ARHIVA/backup/DbsVELT-k1ll3d.part"), "half"));
        const Answer a = velt(options, l.folder.path(), l.clock);
        QCOMPARE(backup.entryList({QStringLiteral("*.part")}, QDir::Files), QStringList());
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
        QTest::newRow("data folder a file")
            << QStringList{"--data-folder", "/etc/passwd", "--list-backups"} << "offscreen" << 1
            << ""
            << "Folderul de date /etc/passwd nu poate fi folosit: nu este un folder.";
        QTest::newRow("data folder cannot be made")
            << QStringList{"--data-folder", "/proc/nope", "--list-backups"} << "offscreen" << 1
            << ""
            << "Folderul de date /proc/nope nu poate fi folosit: nu s-a putut crea";
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

    // `velt --import-jet` as the operator runs it, the program in a folder of its own with its
    // databases: a damaged file gets one Romanian line, never libmdb's English ones, never a
    // crash.
    void damagedFileGetsOneMessage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("pages missing")
            << jetFixture(QStringLiteral("jet3-types.mdb")).left(qsizetype{8} * 2048)
            << "nu poate fi citit: fisierul este deteriorat";
        const QDir damaged(QStringLiteral(VELT_JET_FIXTURES "/damaged"));
        for (const QString& name : damaged.entryList({QStringLiteral("*.mdb")}, QDir::Files))
            QTest::newRow(qPrintable(name))
                << jetFixture(QStringLiteral("damaged/") + name) << "nu poate fi citit";
        QTest::newRow("neither table")
            << jetFixture(QStringLiteral("jet4-plain.mdb"))
            << "nu contine nici tabela CallJud, nici LogGen (tabelele din fisier: Table1).";
    }
    void damagedFileGetsOneMessage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TempDataFolder dir;
        QVERIFY(dir.createDatabases());
        QVERIFY(QFile::copy(QStringLiteral(VELT_PROGRAM), dir.file(QStringLiteral("velt"))));
        QVERIFY(dir.write(QStringLiteral("old.mdb"), bytes));
        const QByteArray log = dir.read(QStringLiteral("LogVELT.mdb"));
        const QByteArray calls = dir.read(QStringLiteral("DbsVELT.mdb"));
        QProcess velt;
        velt.start(dir.file(QStringLiteral("velt")),
                   {QStringLiteral("--data-folder"), dir.path(), QStringLiteral("--import-jet"),
                    dir.file(QStringLiteral("old.mdb"))});
        QVERIFY(velt.waitForFinished(60000));

        QCOMPARE(velt.exitStatus(), QProcess::NormalExit);
        QCOMPARE(velt.exitCode(), 1);
        QCOMPARE(velt.readAllStandardOutput(), QByteArray());
        const QString err = QString::fromUtf8(velt.readAllStandardError());
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.startsWith(QLatin1String("Fisierul ")) && err.contains(message),
                 qPrintable(err));
        QCOMPARE(dir.read(QStringLiteral("LogVELT.mdb")), log);
        QCOMPARE(dir.read(QStringLiteral("DbsVELT.mdb")), calls);
        QCOMPARE(dir.read(QStringLiteral("old.mdb")), bytes);
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
