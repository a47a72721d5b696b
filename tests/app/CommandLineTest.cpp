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
// in half, "new" a database made by `sql`, "bytes" `sql` as bytes, "garbage" 8 KiB of "x",
// "pipe", "folder", or "self" (the log itself); its path.
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
    if (how == u"bytes" || how == u"garbage")
        return l.folder.write(QFileInfo(path).fileName(),
                              how == u"garbage" ? QByteArray(8192, 'x') : sql.toLatin1())
                   ? path
                   : QString();
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
    void restoreTakesOnlyASoundCopy() {
        QVERIFY(answersAsExpected("data/tables/restore.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            LogWithCopies l;
            QString copy;
            if (l.open() && l.addContacts(12))
                copy = makeCopy(l, f[0], f[1], f[2]);
            if (copy.isEmpty() || !LogStore(l.log).removeAll())
                return QStringLiteral("no copy made");
            l.log.close();
            const QStringList before = filesOf(l.folder) + l.copies.files();
            const Answer a = velt({QStringLiteral("--restore"), copy}, l.folder.path(), l.clock);
            if (a.status != 0)
                return QString::number(a.status) + u' ' +
                       QString(a.err).replace(l.folder.path(), QStringLiteral("DATA")).trimmed() +
                       (filesOf(l.folder) + l.copies.files() == before ? "" : " | files changed");
            const QString restored = a.out.startsWith(QStringLiteral("Fisierul DbsVELT.mdb"))
                                         ? QStringLiteral("DbsVELT.mdb")
                                         : QStringLiteral("LogVELT.mdb");
            const bool same = LogWithCopies::fingerprint(l.folder.file(restored)) ==
                              LogWithCopies::fingerprint(copy);
            const bool writable =
                l.log.open(l.logPath(), QStringLiteral("LogGen")).ok() && l.addContacts(1);
            return QStringLiteral("%1 restored%2%3")
                .arg(restored, same ? "" : ", not as the copy", writable ? "" : ", not writable");
        }));
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
        QVERIFY(l.log.open(l.logPath(), QStringLiteral("LogGen")).ok());
        QCOMPARE(l.log.scalar(QStringLiteral("SELECT group_concat(Callsign) FROM LogGen")),
                 QVariant(logHasRows ? "YO0O'K" : "YO9A"));
    }

    // --learn: the counts printed, and the database written only without --dry-run.
    void learn() {
        QVERIFY(answersAsExpected("data/tables/learncommand.txt", [](const QString& row) {
            LogWithCopies l;
            QByteArray big = "START-OF-LOG: 3.0\n";
            for (int i = 0; i < 6000; ++i)
                big += "QSO: 3500 CW 2024-03-02 1500 YO9AAA 599 1 PH YO5" + QByteArray::number(i) +
                       "X 599 2 CJ\n";
            if (!l.folder.createDatabases() || !l.folder.write(QStringLiteral("big.log"), big))
                return QStringLiteral("no data folder");
            const QStringList options =
                row.section(QStringLiteral(": "), -1)
                    .replace(QStringLiteral("PAST"), VELT_SOURCE_DIR "/tests/data/pastlogs")
                    .replace(QStringLiteral("BIG"), l.folder.file(QStringLiteral("big.log")))
                    .split(u' ');
            const BackupSet copies(ReportFiles::backupFolder(l.folder.path()),
                                   QStringLiteral("DbsVELT"), l.clock);
            const Answer a = velt(options, l.folder.path(), l.clock);
            // A large log shows how far the writing is once the comparing is done.
            const QString said = a.err.contains(QStringLiteral("Comparare: 100%\n\rScriere: 16%"))
                                     ? QStringLiteral("progress")
                                     : a.err.section(u'\n', 0, 0);
            return QStringLiteral("%1 | %2 | %3 | %4 callsigns, %5 copies")
                .arg(a.status)
                .arg(a.out.section(u'\n', 0, 0), said)
                .arg(*BackupRestore::rowCount(l.folder.file("DbsVELT.mdb"), "CallJud"))
                .arg(copies.files().size());
        }));
    }

    // A refused command prints only why (with the usage where the command line is wrong) and
    // changes no file; what a copy cut short by a crash left goes, whatever the command.
    void badCommandsChangeNothing() {
        QVERIFY(answersAsExpected("data/tables/badcommands.txt", [](const QString& row) {
            LogWithCopies l;
            const QDir backup(ReportFiles::backupFolder(l.folder.path()));
            if (!l.open() || !backup.mkpath(QStringLiteral(".")))
                return QStringLiteral("no data folder");
            l.log.close();
            const QStringList before = filesOf(l.folder);
            l.folder.write(QStringLiteral("ARHIVA/backup/DbsVELT-k1ll3d.part"), "half");
            const QStringList options = row.section(QStringLiteral(": "), -1)
                                            .replace(QStringLiteral("SCHEMA"), VELT_SCHEMA)
                                            .split(u' ');
            const Answer a = velt(options, l.folder.path(), l.clock);
            const bool changed =
                filesOf(l.folder) != before || !a.out.isEmpty() ||
                !backup.entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty();
            const QString said = a.err.section(u'\n', 0, 0)
                                     .replace(l.folder.path(), QStringLiteral("DATA"))
                                     .replace(VELT_SCHEMA, QStringLiteral("SCHEMA"));
            return QStringLiteral("%1 | %2").arg(a.status).arg(said) +
                   (a.err.contains(QStringLiteral("--list-backups")) ? " | usage" : "") +
                   (changed ? " | changed" : "");
        }));
    }

    // The program itself, with an empty home and a data folder of its own ("DATA" in the
    // options): nothing but the named commands may make its data folder, only "AUTO" may stand
    // beside them, without a display it says what it needs, and a damaged Jet file given to
    // --import-jet gets one Romanian line, never libmdb's English ones, never a crash. No file
    // of the data folder changes.
    void programAnswersWithoutSideEffects_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("jet"); // what DATA/old.mdb holds
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char* tag, const QStringList& options, const QByteArray& jet,
                            const char* platform, int status, const char* out, const char* err) {
            QTest::newRow(tag) << options << jet << platform << status << out << err;
        };
        row("help", {"--help"}, {}, "offscreen", 0, "--list-backups", "");
        row("version", {"--version"}, {}, "offscreen", 0, "velt " VELT_VERSION "\n", "");
        row("unknown word", {"foo"}, {}, "offscreen", 2, "", "Cuvant necunoscut: foo");
        row("no display", {"AUTO"}, {}, "xcb", 1, "", "VELT are nevoie de un ecran grafic");
        row("data folder a file", {"--data-folder", "/etc/passwd", "--list-backups"}, {},
            "offscreen", 1, "",
            "Folderul de date /etc/passwd nu poate fi folosit: nu este un folder.");
        row("data folder cannot be made", {"--data-folder", "/proc/nope", "--list-backups"}, {},
            "offscreen", 1, "",
            "Folderul de date /proc/nope nu poate fi folosit: nu s-a putut crea");
        const QStringList import{"--data-folder", "DATA", "--import-jet", "DATA/old.mdb"};
        const QByteArray jet3 = jetFixture(QStringLiteral("jet3-types.mdb"));
        row("pages missing", import, jet3.left(qsizetype{8} * 2048), "offscreen", 1, "",
            "nu poate fi citit: fisierul este deteriorat");
        row("truncated", import, jet3.left(100000), "offscreen", 1, "", "trunchiat");
        row("not a Jet file", import, QByteArray(65536, '\x5a'), "offscreen", 1, "",
            "nu este o baza de date Jet");
        const QDir damaged(QStringLiteral(VELT_JET_FIXTURES "/damaged"));
        for (const QString& name : damaged.entryList({QStringLiteral("*.mdb")}, QDir::Files))
            row(qPrintable(name), import, jetFixture(QStringLiteral("damaged/") + name),
                "offscreen", 1, "", "nu poate fi citit: fisierul este deteriorat");
        row("neither table", import, jetFixture(QStringLiteral("jet4-plain.mdb")), "offscreen", 1,
            "", "nu contine nici tabela CallJud, nici LogGen (tabelele din fisier: Table1).");
    }
    void programAnswersWithoutSideEffects() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, jet);
        QFETCH(QString, platform);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QTemporaryDir home;
        TempDataFolder data;
        QVERIFY(data.createDatabases() && data.write(QStringLiteral("old.mdb"), jet));
        const QStringList before = filesOf(data);
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess velt;
        velt.setProcessEnvironment(env);
        velt.start(QStringLiteral(VELT_PROGRAM), options.replaceInStrings("DATA", data.path()));
        QVERIFY(velt.waitForFinished(60000));
        QCOMPARE(velt.exitStatus(), QProcess::NormalExit);
        QCOMPARE(velt.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(velt.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(velt.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
        QCOMPARE(stdErr.contains(QStringLiteral("--list-backups")), status == 2); // the usage
        if (!jet.isEmpty())
            QVERIFY2(stdErr.startsWith(QLatin1String("Fisierul ")) && stdErr.count(u'\n') == 1,
                     qPrintable(stdErr));
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
        QCOMPARE(filesOf(data), before);
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
