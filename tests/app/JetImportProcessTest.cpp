#include "ExpectedFile.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// `velt --import-jet` as the operator runs it, the program in a folder of its own with its
// databases: a damaged file gets one Romanian line, never libmdb's English ones, never a crash.
class JetImportProcessTest : public QObject {
    Q_OBJECT
private slots:
    void damagedFileGetsOneMessage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("pages missing")
            << jetFixture(QStringLiteral("jet3-types.mdb")).left(8 * 2048)
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
        QVERIFY(QFile::copy(QStringLiteral(VELT_EXECUTABLE), dir.file(QStringLiteral("velt"))));
        QVERIFY(dir.write(QStringLiteral("old.mdb"), bytes));
        const QByteArray log = dir.read(QStringLiteral("LogVELT.mdb"));
        const QByteArray calls = dir.read(QStringLiteral("DbsVELT.mdb"));
        QProcess velt;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path());
        velt.setProcessEnvironment(env);
        velt.start(dir.file(QStringLiteral("velt")),
                   {QStringLiteral("--import-jet"), dir.file(QStringLiteral("old.mdb"))});
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
};

QTEST_GUILESS_MAIN(JetImportProcessTest)
#include "JetImportProcessTest.moc"
