#include "app/JetImportCommand.h"
#include "TempDataFolder.h"
#include "fakes/FakeJetReader.h"
#include "logging/Database.h"
#include "platform/MdbJetReader.h"

#include <QDir>
#include <QTest>
#include <QTextStream>

namespace {
QString fixture(const QString& name) {
    return QStringLiteral(VELT_JET_FIXTURES "/") + name;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run importJet(const QStringList& args, const QString& dataPath, JetReader& reader) {
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = JetImportCommand::run(QStringList{QStringLiteral("velt")} + args, dataPath, reader,
                                     out, err);
    return r;
}

QStringList folder(const TempDataFolder& dir) {
    QStringList out;
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        out << f + u':' + QString::number(qHash(dir.read(f)));
    return out;
}
} // namespace

class JetImportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void refusalsChangeNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file named") << QStringList{"--import-jet"} << 2 << "Folosire";
        QTest::newRow("missing file")
            << QStringList{"--import-jet", "/nowhere/x.mdb"} << 1 << "nu exista";
        QTest::newRow("not a Jet file") << QStringList{"--import-jet", QStringLiteral(VELT_SCHEMA)}
                                        << 1 << "nu este o baza de date Jet";
        QTest::newRow("Jet file without the tables")
            << QStringList{"--import-jet", fixture(QStringLiteral("jet4-plain.mdb"))} << 1
            << "nu contine nici tabela CallJud, nici LogGen";
    }
    void refusalsChangeNothing() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempDataFolder dir;
        QVERIFY(dir.createDatabases());
        const QStringList before = folder(dir);
        MdbJetReader reader;
        const Run r = importJet(args, dir.path(), reader);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(folder(dir), before);
    }

    // Each table found is imported; the log only into an empty one, else the command fails.
    void importsEachTableFound_data() {
        QTest::addColumn<bool>("logHasRows");
        QTest::newRow("empty log") << false;
        QTest::newRow("log of another contest") << true;
    }
    void importsEachTableFound() {
        QFETCH(bool, logHasRows);
        TempDataFolder dir;
        QVERIFY(dir.createDatabases());
        QVERIFY(dir.write(QStringLiteral("old.mdb"),
                          QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x00", 21) +
                              QByteArray(4075, 'j')));
        Database calls(QStringLiteral("CallDb"));
        Database log(QStringLiteral("LogDb"));
        QCOMPARE(log.open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                 Database::OpenResult::Ok);
        if (logHasRows)
            QVERIFY(log.exec(QStringLiteral("INSERT INTO LogGen (Callsign) VALUES ('YO2X')")));
        log.close(); // the command runs while the program does not
        FakeJetReader reader;
        reader.content.insert(QStringLiteral("CallJud"),
                              {{"Call", "Jud"}, {{"yo3abc", "B3"}, {"YO8NEW", "IS"}}});
        reader.content.insert(
            QStringLiteral("LogGen"),
            {QString("ID Callsign Data UTC Etp Sent Rcvd Md Jud Mult Pct").split(u' '),
             {{"1", "YO9A", "01.03.26", "12:05", "1", "599 1", "599 5", "CW", "BU", "BU", " 1"}}});

        const Run r =
            importJet({QStringLiteral("--import-jet"), dir.file(QStringLiteral("old.mdb"))},
                      dir.path(), reader);

        QCOMPARE(r.status, logHasRows ? 1 : 0);
        QCOMPARE(r.out.contains(QStringLiteral("Tabela LogGen importata")), !logHasRows);
        QCOMPARE(r.err.contains(QStringLiteral("Tabela LogGen nu a fost importata")), logHasRows);
        QCOMPARE(calls.open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        QCOMPARE(calls.scalar(QStringLiteral("SELECT group_concat(Call) FROM CallJud")),
                 QVariant("YO3ABC,YO8NEW"));
        QCOMPARE(log.open(dir.file(QStringLiteral("LogVELT.mdb")), QStringLiteral("LogGen")),
                 Database::OpenResult::Ok);
        QCOMPARE(log.scalar(QStringLiteral("SELECT group_concat(Callsign) FROM LogGen")),
                 QVariant(logHasRows ? "YO2X" : "YO9A"));
    }
};

QTEST_GUILESS_MAIN(JetImportCommandTest)
#include "JetImportCommandTest.moc"
