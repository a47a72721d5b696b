#include "TempDataFolder.h"
#include "jetimport/JetImport.h"
#include "jetimport/TableMap.h"
#include "platform/MdbJetReader.h"

#include <QDir>
#include <QTest>

namespace {
QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(VELT_JET_FIXTURES "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Rows = QList<QStringList>;
} // namespace

class JetReaderTest : public QObject {
    Q_OBJECT
private slots:
    void readsTablesColumnsAndRows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("Jet 3, every type, Windows-1250 text")
            << "jet3-types.mdb" << QString("A B C D E F G H I").split(u' ')
            << Rows{{"a", "b", "0", "0", "0", "0", "1981-12-12 00:00:00", "0.0000", "0"},
                    {QStringLiteral(u"ab\u0103\u00EE\u00E2\u015F\u0163"), "hijklmnop", "2", "222",
                     "333333333", "444.555", "1974-09-21 00:00:00", "3.5000", "1"}};
        QTest::newRow("Jet 4") << "jet4-plain.mdb" << QStringList{"ID", "Data"}
                               << Rows{{"1", "One"}, {"2", "Two"}, {"3", "Three"}};
    }
    void readsTablesColumnsAndRows() {
        QFETCH(QString, file);
        QFETCH(QStringList, columns);
        QFETCH(Rows, rows);
        // Romanian letters in Windows-1250 where the Jet 3 fixture has "cdefg".
        QByteArray bytes = fixture(file);
        if (const qsizetype at = bytes.indexOf("abcdefg"); at > 0)
            bytes.replace(at + 2, 5, "\xE3\xEE\xE2\xBA\xFE");
        TempDataFolder dir;
        QVERIFY(dir.write(file, bytes));
        MdbJetReader reader;
        QVERIFY2(reader.open(dir.file(file)), qPrintable(reader.error()));
        QVERIFY(reader.tables().contains(QStringLiteral("Table1")));
        const std::optional<JetTable> read = reader.read(QStringLiteral("Table1"));
        QVERIFY2(read, qPrintable(reader.error()));
        QCOMPARE(read->columns, columns);
        QCOMPARE(read->rows, rows);
    }

    void damagedFilesAreRefusedUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated")
            << fixture(QStringLiteral("jet3-types.mdb")).left(100000) << "trunchiat";
        QTest::newRow("not a Jet file")
            << QByteArray(65536, '\x5a') << "nu este o baza de date Jet";
    }
    void damagedFilesAreRefusedUntouched() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TempDataFolder dir;
        QVERIFY(dir.write(QStringLiteral("DbsVELT.mdb"), bytes));
        MdbJetReader reader;
        const JetImport::Result done =
            JetImport(reader).replace(dir.file(QStringLiteral("DbsVELT.mdb")),
                                      *TableMap::forTable(QStringLiteral("CallJud")));
        QVERIFY(!done.ok);
        QVERIFY2(done.error.contains(reason), qPrintable(done.error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"DbsVELT.mdb"});
        QCOMPARE(dir.read(QStringLiteral("DbsVELT.mdb")), bytes);
    }
};

QTEST_GUILESS_MAIN(JetReaderTest)
#include "JetReaderTest.moc"
