#include "logging/Database.h"
#include "TempDataFolder.h"

#include <QDir>
#include <QTest>

namespace {
const QString LogFile = QStringLiteral("LogVELT.mdb");
const QString LogTable = QStringLiteral("LogGen");

// 2 KB with the header of an older program's database.
QByteArray jetFile() {
    QByteArray bytes("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    while (bytes.size() < 2048)
        bytes.append(char(bytes.size() * 7 % 251));
    return bytes;
}

QStringList entries(const TempDataFolder& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

int countRows(Database& db) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM LogGen")).toInt();
}
} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWithoutTouchingTheFile_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<Database::OpenResult>("expected");
        using R = Database::OpenResult;
        QTest::newRow("missing") << QByteArray() << R::Missing;
        QTest::newRow("old Jet database") << jetFile() << R::NotDatabase;
        QTest::newRow("SQLite header, junk after")
            << QByteArray("SQLite format 3\0", 16) + jetFile() << R::NotDatabase;
        QTest::newRow("empty file") << QByteArray("") << R::Failed;
    }
    void refusesWithoutTouchingTheFile() {
        QFETCH(QByteArray, content);
        QFETCH(Database::OpenResult, expected);
        TempDataFolder dir;
        if (!content.isNull())
            QVERIFY(dir.write(LogFile, content));
        const QByteArray before = dir.read(LogFile);
        const QStringList filesBefore = entries(dir);

        Database db(QStringLiteral("LogDb"));
        QCOMPARE(db.open(dir.file(LogFile), LogTable), expected);
        QVERIFY(!db.isOpen());
        QVERIFY(!db.exec(QStringLiteral("SELECT 1")));
        db.close();
        QCOMPARE(entries(dir), filesBefore); // nothing created, no -wal or -shm left behind
        QCOMPARE(dir.read(LogFile), before);
    }

    void opensDurableWalDatabase() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(LogFile));
        Database db(QStringLiteral("LogDb"));
        QCOMPARE(db.open(dir.file(LogFile), LogTable), Database::OpenResult::Ok);
        QVERIFY(db.isOpen());
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
    }

    void valuesRoundTripUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophe") << QStringLiteral("O'BRIEN");
        QTest::newRow("percent") << QStringLiteral("50%");
        QTest::newRow("diacritics") << QStringLiteral(u"Ploie\u015Fti");
    }
    void valuesRoundTripUnchanged() {
        QFETCH(QString, value);
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(LogFile));
        Database db(QStringLiteral("LogDb"));
        QCOMPARE(db.open(dir.file(LogFile), LogTable), Database::OpenResult::Ok);
        const QString insert = QStringLiteral("INSERT INTO LogGen (Callsign, Etp) VALUES (?, ?)");
        const Outcome<void> other =
            db.exec(insert, {QStringLiteral("YO3OTHER"), QStringLiteral("1")});
        QVERIFY2(other, qPrintable(other.error()));
        const Outcome<void> typed = db.exec(insert, {value, QStringLiteral("1")});
        QVERIFY2(typed, qPrintable(typed.error()));
        QCOMPARE(countRows(db), 2);

        auto q = db.select(QStringLiteral("SELECT ID, Callsign FROM LogGen WHERE Callsign = ?"),
                           {value});
        QVERIFY(q.ok());
        QVERIFY(q->next());
        QCOMPARE(q->value(0).toInt(), 2);
        QCOMPARE(q->value(1).toString(), value);
        QVERIFY(!q->next());
    }

    void failedStatementIsReported() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(QStringLiteral("DbsVELT.mdb")));
        Database db(QStringLiteral("CallDb"));
        QCOMPARE(db.open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        const QString insert = QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES (?, ?)");
        QVERIFY(db.exec(insert, {QStringLiteral("YO3ABC"), QStringLiteral("BU")}));
        const Outcome<void> again =
            db.exec(insert, {QStringLiteral("YO3ABC"), QStringLiteral("PH")});
        QVERIFY(!again); // unique Call
        QVERIFY(!again.error().isEmpty());
        QVERIFY(!db.select(QStringLiteral("SELECT Nothing FROM CallJud")).ok());
        QVERIFY(!db.scalar(QStringLiteral("SELECT Nothing FROM CallJud")).isValid());
        QCOMPARE(db.scalar(QStringLiteral("SELECT Jud FROM CallJud WHERE Call = ?"),
                           {QStringLiteral("YO3ABC")})
                     .toString(),
                 QStringLiteral("BU"));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "DatabaseTest.moc"
