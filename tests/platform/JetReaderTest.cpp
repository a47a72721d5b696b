#include "ExpectedFile.h"
#include "TempDataFolder.h"
#include "platform/ChildJetReader.h"
#include "platform/MdbJetReader.h"
#include "services/jetimport/JetImport.h"
#include "services/jetimport/TableMap.h"

#include <QDir>
#include <QTest>
#include <memory>

namespace {

using Rows = QList<QStringList>;

// The reader inside the test's process, or the program started as its reading child.
std::unique_ptr<JetReader> reader(bool inChild) {
    if (inChild)
        return std::make_unique<ChildJetReader>(QStringLiteral(VELT_EXECUTABLE));
    return std::make_unique<MdbJetReader>();
}
} // namespace

class JetReaderTest : public QObject {
    Q_OBJECT
private slots:
    void readsTablesColumnsAndRows_data() {
        QTest::addColumn<bool>("inChild");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<Rows>("rows");
        for (const bool inChild : {false, true}) {
            const char* where = inChild ? "child" : "in process";
            QTest::addRow("Jet 3, every type, Windows-1250 text, %s", where)
                << inChild << "jet3-types.mdb" << QString("A B C D E F G H I").split(u' ')
                << Rows{{"a", "b", "0", "0", "0", "0", "1981-12-12 00:00:00", "0.0000", "0"},
                        {QStringLiteral(u"ab\u0103\u00EE\u00E2\u015F\u0163"), "hijklmnop", "2",
                         "222", "333333333", "444.555", "1974-09-21 00:00:00", "3.5000", "1"}};
            QTest::addRow("Jet 4, %s", where)
                << inChild << "jet4-plain.mdb" << QStringList{"ID", "Data"}
                << Rows{{"1", "One"}, {"2", "Two"}, {"3", "Three"}};
        }
    }
    void readsTablesColumnsAndRows() {
        QFETCH(bool, inChild);
        QFETCH(QString, file);
        QFETCH(QStringList, columns);
        QFETCH(Rows, rows);
        // Romanian letters in Windows-1250 where the Jet 3 fixture has "cdefg".
        QByteArray bytes = jetFixture(file);
        if (const qsizetype at = bytes.indexOf("abcdefg"); at > 0)
            bytes.replace(at + 2, 5, "\xE3\xEE\xE2\xBA\xFE");
        TempDataFolder dir;
        QVERIFY(dir.write(file, bytes));
        const std::unique_ptr<JetReader> jet = reader(inChild);
        const Outcome<void> opened = jet->open(dir.file(file));
        QVERIFY2(opened, qPrintable(opened.error()));
        QVERIFY(jet->tables().contains(QStringLiteral("Table1")));
        const Outcome<JetTable> read = jet->read(QStringLiteral("Table1"));
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->columns, columns);
        QCOMPARE(read->rows, rows);
    }

    // Each file in damaged/ once made the reader crash the program.
    void damagedFilesAreRefusedUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated")
            << jetFixture(QStringLiteral("jet3-types.mdb")).left(100000) << "trunchiat";
        QTest::newRow("not a Jet file")
            << QByteArray(65536, '\x5a') << "nu este o baza de date Jet";
        const QDir damaged(QStringLiteral(VELT_JET_FIXTURES "/damaged"));
        for (const QString& name : damaged.entryList({QStringLiteral("*.mdb")}, QDir::Files))
            QTest::newRow(qPrintable(name))
                << jetFixture(QStringLiteral("damaged/") + name) << "deteriorat";
    }
    void damagedFilesAreRefusedUntouched() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TempDataFolder dir;
        const QString path = dir.file(QStringLiteral("DbsVELT.mdb"));
        QVERIFY(dir.write(QStringLiteral("DbsVELT.mdb"), bytes));
        MdbJetReader inProcess;
        const Outcome<void> opened = inProcess.open(path);
        QVERIFY2(!opened && opened.error().contains(reason), qPrintable(opened.error()));
        ChildJetReader child(QStringLiteral(VELT_EXECUTABLE));
        const JetImport::Result done =
            JetImport(child).replace(path, *TableMap::forTable(QStringLiteral("CallJud")));
        QVERIFY(!done.ok);
        QVERIFY2(done.error.contains(reason), qPrintable(done.error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"DbsVELT.mdb"});
        QCOMPARE(dir.read(QStringLiteral("DbsVELT.mdb")), bytes);
    }
};

QTEST_GUILESS_MAIN(JetReaderTest)
#include "JetReaderTest.moc"
