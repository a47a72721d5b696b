#include "store/Database.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QTest>

namespace {
const QString LogFile = QStringLiteral("LogVELT.mdb");

// 2 KB with the header of an older program's database.
const QByteArray JetFile =
    QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20).leftJustified(2048, 'j');
} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutTouchingTheFile_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("error");
        using K = FailureKind;
        QTest::newRow("missing") << QByteArray() << K::Missing << "fisierul lipseste";
        QTest::newRow("old Jet database")
            << JetFile << K::NotDatabase << "nu este o baza de date SQLite";
        QTest::newRow("SQLite header, junk after") << QByteArray("SQLite format 3\0", 16) + JetFile
                                                   << K::NotDatabase << "fisierul este deteriorat";
        QTest::newRow("empty file, no table")
            << QByteArray("") << K::Other << "lipseste tabela LogGen";
    }
    void refusesWithoutTouchingTheFile() {
        QFETCH(QByteArray, content);
        QFETCH(FailureKind, kind);
        QFETCH(QString, error);
        TempDataFolder dir;
        const auto entries = [&] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };
        if (!content.isNull())
            QVERIFY(dir.write(LogFile, content));
        const QStringList filesBefore = entries();
        Database db(QStringLiteral("LogDb"));
        const Outcome<void> opened = db.open(dir.file(LogFile), QStringLiteral("LogGen"));
        QCOMPARE(opened.failureKind(), kind);
        QCOMPARE(opened.error(), error);
        QVERIFY(!db.exec(QStringLiteral("SELECT 1")));
        db.close();
        QCOMPARE(entries(), filesBefore); // nothing created, no -wal or -shm left behind
        QCOMPARE(dir.read(LogFile), content);
    }

    // Each contact is on the disk when its INSERT returns; a failed statement says why.
    void durableWritesAndReportedFailures() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(QStringLiteral("DbsVELT.mdb")));
        Database db(QStringLiteral("CallDb"));
        QVERIFY(db.open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")).ok());
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
        const QString insert = QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)");
        const QString typed = QStringLiteral(u"O'K 50% \u0218");
        QVERIFY(db.exec(insert, {typed, QStringLiteral("BU")}));
        const Outcome<void> again = db.exec(insert, {typed, QStringLiteral("PH")});
        QCOMPARE(again.error(), QStringLiteral("valoarea exista deja in tabela"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = ?"), {typed}),
                 QVariant(QStringLiteral("BU")));
    }

    // A statement kept parsed holds no read snapshot, so another program's write is seen at
    // once; the same statement run again inside its own rows runs apart.
    void keptStatements() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(QStringLiteral("DbsVELT.mdb")));
        Database db(QStringLiteral("CallDb"));
        Database other(QStringLiteral("OtherCallDb"));
        for (Database* d : {&db, &other})
            QVERIFY(d->open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")));
        const QString insert = QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, 'BU')");
        const QString calls = QStringLiteral("SELECT Call FROM CallJud ORDER BY Call");
        QVERIFY(db.exec(insert, {QStringLiteral("YO1A")}) &&
                db.exec(insert, {QStringLiteral("YO2A")}));
        QCOMPARE(db.scalar(calls).toString(), QStringLiteral("YO1A")); // the first of two rows
        QVERIFY(other.exec(insert, {QStringLiteral("YO3A")}));
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt(), 3);
        QStringList pairs;
        QVERIFY(db.eachRow(calls, {}, [&](const QSqlQuery& row) {
            pairs << row.value(0).toString() + u'/' + db.scalar(calls).toString();
        }));
        QCOMPARE(pairs, QStringList({"YO1A/YO1A", "YO2A/YO1A", "YO3A/YO1A"}));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "DatabaseTest.moc"
