#include "TempDataFolder.h"
#include "jetimport/JetImport.h"
#include "jetimport/TableCopy.h"
#include "jetimport/TableMap.h"
#include "logging/Database.h"
#include "platform/MdbJetReader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {
QString fixture(const QString& name) {
    return QStringLiteral(VELT_JET_FIXTURES "/") + name;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList numbered(const QString& stem, int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << stem + QString::number(i);
    return out;
}

using Rows = QList<QStringList>;
} // namespace

class JetReaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(fixture(QStringLiteral("LICENSE"))),
                 "the Jet test files belong in ../shared/fixtures/jet");
    }

    void readsTablesColumnsAndRows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<Rows>("rows");
        const QStringList jet3Tables{"Table1", "Table2", "Table3", "Table4"};
        QTest::newRow("Jet 3, every type")
            << "jet3-types.mdb" << jet3Tables << "Table1"
            << QString("A B C D E F G H I").split(u' ')
            << Rows{{"a", "b", "0", "0", "0", "0", "1981-12-12 00:00:00", "0.0000", "0"},
                    {"abcdefg", "hijklmnop", "2", "222", "333333333", "444.555",
                     "1974-09-21 00:00:00", "3.5000", "1"}};
        QTest::newRow("Jet 3, 89 text columns, no rows")
            << "jet3-types.mdb" << jet3Tables << "Table2" << numbered("column", 89) << Rows{};
        const Rows idData{{"1", "One"}, {"2", "Two"}, {"3", "Three"}};
        QTest::newRow("Jet 4") << "jet4-plain.mdb" << QStringList{"Table1"} << "Table1"
                               << QStringList{"ID", "Data"} << idData;
        QTest::newRow("Jet 4 with a password") << "jet4-password.mdb" << QStringList{"Table1"}
                                               << "Table1" << QStringList{"ID", "Data"} << idData;
        QTest::newRow("Jet 4, numeric")
            << "jet4-numeric.mdb" << QStringList{"test"} << "test" << numbered("col", 7)
            << Rows{{"some data", "1", "0", "0", "4", "-1", "1"}};
    }
    void readsTablesColumnsAndRows() {
        QFETCH(QString, file);
        QFETCH(QStringList, tables);
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(Rows, rows);
        MdbJetReader reader;
        QVERIFY2(reader.open(fixture(file)), qPrintable(reader.error()));
        QCOMPARE(reader.tables(), tables);
        const std::optional<JetTable> read = reader.read(table);
        QVERIFY2(read, qPrintable(reader.error()));
        QCOMPARE(read->columns, columns);
        QCOMPARE(read->rows, rows);
    }

    void jet3TextIsWindows1250() {
        TempDataFolder dir;
        QByteArray bytes = bytesOf(fixture(QStringLiteral("jet3-types.mdb")));
        const qsizetype at = bytes.indexOf("abcdefg");
        QVERIFY(at > 0);
        bytes.replace(at + 2, 5, "\xE3\xEE\xE2\xBA\xFE");
        QVERIFY(dir.write(QStringLiteral("ro.mdb"), bytes));
        MdbJetReader reader;
        QVERIFY(reader.open(dir.file(QStringLiteral("ro.mdb"))));
        const auto read = reader.read(QStringLiteral("Table1"));
        QVERIFY(read);
        QCOMPARE(read->rows.at(1).at(0), QStringLiteral("ab\u0103\u00EE\u00E2\u015F\u0163"));
    }

    void copiesByAColumnMap_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("callColumn");
        QTest::addColumn<QString>("countyColumn");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("Table2, empty") << "Table2"
                                       << "column1"
                                       << "column2" << QStringList();
        QTest::newRow("Table1") << "Table1"
                                << "A"
                                << "B" << QStringList{"A|b", "ABCDEFG|hijklmnop"};
    }
    void copiesByAColumnMap() {
        QFETCH(QString, table);
        QFETCH(QString, callColumn);
        QFETCH(QString, countyColumn);
        QFETCH(QStringList, stored);
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(QStringLiteral("DbsVELT.mdb")));
        MdbJetReader reader;
        QVERIFY(reader.open(fixture(QStringLiteral("jet3-types.mdb"))));
        const auto source = reader.read(table);
        QVERIFY(source);
        const TableMap map{
            {},
            table,
            QStringLiteral("CallJud"),
            {{callColumn, QStringLiteral("Call")}, {countyColumn, QStringLiteral("Jud")}},
            QStringLiteral("Call"),
            {}};
        Database db(QStringLiteral("CallDb"));
        QCOMPARE(db.open(dir.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        const TableCopy::Result r = TableCopy::copyRows(*source, map, db);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.counts.read, stored.size());
        QCOMPARE(r.counts.imported, stored.size());
        QStringList inDb;
        auto q = db.select(QStringLiteral("SELECT Call, Jud FROM CallJud ORDER BY ID"));
        while (q && q->next())
            inDb << q->value(0).toString() + u'|' + q->value(1).toString();
        QCOMPARE(inDb, stored);
    }

    void damagedFilesAreRefusedUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray jet3 = bytesOf(fixture(QStringLiteral("jet3-types.mdb")));
        QByteArray noise(65536, 0);
        for (char& c : noise)
            c = char(QRandomGenerator::global()->bounded(256));
        QTest::newRow("truncated") << jet3.left(100000) << "trunchiat";
        QTest::newRow("random bytes") << noise << "nu este o baza de date Jet";
    }
    void damagedFilesAreRefusedUntouched() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("DbsVELT.mdb"), bytes));
        MdbJetReader reader;
        QVERIFY(!reader.open(dir.file(QStringLiteral("DbsVELT.mdb"))));
        QVERIFY2(reader.error().contains(reason), qPrintable(reader.error()));
        const JetImport::Result done =
            JetImport(reader).replace(dir.file(QStringLiteral("DbsVELT.mdb")),
                                      *TableMap::forTable(QStringLiteral("CallJud")));
        QVERIFY(!done.ok);
        QCOMPARE(done.error, reader.error());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"DbsVELT.mdb"});
        QCOMPARE(dir.read(QStringLiteral("DbsVELT.mdb")), bytes);
    }
};

QTEST_GUILESS_MAIN(JetReaderTest)
#include "JetReaderTest.moc"
