#include "ExpectedFile.h"
#include "TempDataFolder.h"
#include "platform/ChildJetReader.h"

#include <QTest>

using Rows = QList<QStringList>;

class JetReaderTest : public QObject {
    Q_OBJECT
private slots:
    // Read as the program reads them, by its reading child.
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
        QByteArray bytes = jetFixture(file);
        if (const qsizetype at = bytes.indexOf("abcdefg"); at > 0)
            bytes.replace(at + 2, 5, "\xE3\xEE\xE2\xBA\xFE");
        TempDataFolder dir;
        QVERIFY(dir.write(file, bytes));
        ChildJetReader jet(QStringLiteral(VELT_EXECUTABLE));
        QVERIFY2(jet.open(dir.file(file)), qPrintable(jet.error()));
        QVERIFY(jet.tables().contains(QStringLiteral("Table1")));
        const std::optional<JetTable> read = jet.read(QStringLiteral("Table1"));
        QVERIFY2(read, qPrintable(jet.error()));
        QCOMPARE(read->columns, columns);
        QCOMPARE(read->rows, rows);
    }
};

QTEST_GUILESS_MAIN(JetReaderTest)
#include "JetReaderTest.moc"
