#include "TempDataFolder.h"
#include "jetimport/JetImport.h"
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

using Rows = QList<QStringList>;
} // namespace

class JetReaderTest : public QObject {
    Q_OBJECT
private slots:

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
        const Rows idData{{"1", "One"}, {"2", "Two"}, {"3", "Three"}};
        QTest::newRow("Jet 4") << "jet4-plain.mdb" << QStringList{"Table1"} << "Table1"
                               << QStringList{"ID", "Data"} << idData;
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
