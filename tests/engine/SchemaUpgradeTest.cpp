#include "store/SchemaUpgrade.h"
#include "LogWithCopies.h"

#include <QTest>

namespace {
// A log of the schema before the version was kept: no real-order indexes, no frequency,
// version 0.
const QString kPreviousLog = QStringLiteral(VELT_SOURCE_DIR "/tests/data/logs/LogVELT-v0.mdb");

QStringList column(Database& db, const QString& sql) {
    QStringList out;
    auto q = db.select(sql);
    while (q && q->next())
        out << q->value(0).toString();
    return out;
}

QStringList totals(Database& db) {
    return column(db, QStringLiteral("SELECT Etp || '|' || Qsos || '|' || Mults || '|' || Points "
                                     "FROM LogTotals ORDER BY Etp"));
}
} // namespace

class SchemaUpgradeTest : public QObject {
    Q_OBJECT
private slots:
    void olderLogGetsIndexesVersionAndTotals_data() {
        QTest::addColumn<QString>("before"); // run on the fixture first
        QTest::newRow("schema 0") << QString();
        QTest::newRow("schema 1") << QStringLiteral("PRAGMA user_version = 1");
        QTest::newRow("schema 2") << QStringLiteral("PRAGMA user_version = 2");
        QTest::newRow("before the totals")
            << QStringLiteral("DROP TRIGGER LogGenTotalsInsert; DROP TRIGGER LogGenTotalsDelete; "
                              "DROP TRIGGER LogGenTotalsUpdate; DROP TABLE LogTotals");
    }
    void olderLogGetsIndexesVersionAndTotals() {
        QFETCH(QString, before);
        LogWithCopies l;
        QVERIFY(QFile::copy(kPreviousLog, l.logPath()));
        QVERIFY(QFile::setPermissions(l.logPath(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(l.log.open(l.logPath(), QStringLiteral("LogGen")).ok());
        l.log.keepCopiesIn(&l.copies);
        for (const QString& statement : before.split(u';', Qt::SkipEmptyParts))
            QVERIFY(l.log.exec(statement));
        const QList<QVariantList> rows = LogWithCopies::rows(l.log);
        const int version = l.log.scalar(QStringLiteral("PRAGMA user_version")).toInt();

        QVERIFY(SchemaUpgrade::bringUpToDate(l.log));
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA user_version")).toInt(),
                 SchemaUpgrade::kVersion);
        const QStringList indexes =
            column(l.log, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
        QVERIFY(indexes.contains(QStringLiteral("LogGenRealOrder")));
        QVERIFY(indexes.contains(QStringLiteral("LogGenEtpRealOrder")));
        QVERIFY(l.log.hasTable(QStringLiteral("SentSerial")));
        QCOMPARE(totals(l.log), QStringList({"1|2|1|3", "3|1|1|2"}));
        // The rows as they were, with no frequency in the column they gained.
        QList<QVariantList> upgraded = LogWithCopies::rows(l.log);
        for (QVariantList& row : upgraded)
            QVERIFY(row.takeLast().isNull());
        QCOMPARE(upgraded, rows);
        QCOMPARE(column(l.log, QStringLiteral("SELECT type FROM pragma_table_info('LogGen') "
                                              "WHERE name = 'Frecv'")),
                 QStringList{"INTEGER"});

        // The file as it was is kept among the copies; a second opening changes nothing.
        QCOMPARE(l.copies.files().size(), 1);
        Database copy(QStringLiteral("Copy"));
        QVERIFY(copy.open(l.copies.files().first(), QStringLiteral("LogGen")).ok());
        QCOMPARE(copy.scalar(QStringLiteral("PRAGMA user_version")).toInt(), version);
        QCOMPARE(LogWithCopies::rows(copy), rows);
        QVERIFY(SchemaUpgrade::bringUpToDate(l.log));
        QCOMPARE(l.copies.files().size(), 1);
    }

    void currentAndNewerVersionsLeftAsTheyAre_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("current") << SchemaUpgrade::kVersion << true;
        QTest::newRow("newer") << SchemaUpgrade::kVersion + 1 << false;
    }
    void currentAndNewerVersionsLeftAsTheyAre() {
        QFETCH(int, version);
        QFETCH(bool, accepted);
        LogWithCopies l;
        QVERIFY(l.open());
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA user_version")).toInt(),
                 SchemaUpgrade::kVersion);
        QVERIFY(l.log.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
        QVERIFY(l.log.exec(QStringLiteral("DROP INDEX LogGenRealOrder")));
        const Outcome<void> done = SchemaUpgrade::bringUpToDate(l.log);
        QCOMPARE(bool(done), accepted);
        QCOMPARE(done.error().contains(QStringLiteral("versiune mai noua")), !accepted);
        QCOMPARE(l.log.scalar(QStringLiteral("PRAGMA user_version")).toInt(), version);
        QCOMPARE(l.log
                     .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = "
                                            "'LogGenRealOrder'"))
                     .toInt(),
                 0);
        QVERIFY(l.copies.files().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SchemaUpgradeTest)
#include "SchemaUpgradeTest.moc"
