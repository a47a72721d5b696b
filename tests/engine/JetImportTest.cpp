#include "services/jetimport/JetImport.h"
#include "TempDataFolder.h"
#include "fakes/FakeJetReader.h"
#include "services/jetimport/TableCopy.h"
#include "services/jetimport/TableMap.h"
#include "store/Database.h"

#include <QDir>
#include <QTest>

namespace {
const QString CallFile = QStringLiteral("DbsVELT.mdb");
const QStringList CallColumns{"ID", "Call", "Jud"};

const TableMap& callJud() {
    return *TableMap::forTable("CallJud");
}

bool openCalls(const TempDataFolder& dir, Database& db, bool create = true) {
    return (!create || dir.createDatabase(CallFile)) && db.open(dir.file(CallFile), "CallJud").ok();
}

QStringList callsAndCounties(Database& db) {
    QStringList out;
    auto q = db.select(QStringLiteral("SELECT Call, Jud FROM CallJud ORDER BY ID"));
    while (q && q->next())
        out << q->value(0).toString() + u'|' + q->value(1).toString();
    return out;
}
} // namespace

class JetImportTest : public QObject {
    Q_OBJECT
private slots:
    void callsignsMergeIntoCallJud() {
        TempDataFolder dir;
        Database db("CallDb");
        QVERIFY(openCalls(dir, db));
        QVERIFY(db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES ('YO3ABC', 'BU'), "
                                       "('YO9XYZ', 'PH')")));
        const JetTable source{CallColumns,
                              {{"1", " yo3abc ", "B3"},
                               {"2", "YO9XYZ", "PH "},
                               {"3", "  ", "BU"},
                               {"4", "YO-3AB", "BU"},
                               {"5", "yo8new", "IS"},
                               {"6", "YO8NEW", "SV"}}};
        const TableCopy::Result r = TableCopy::copyRows(source, callJud(), db);
        QVERIFY(r.ok);
        const ImportCounts& n = r.counts;
        QCOMPARE((QList<int>{n.read, n.imported, n.present, n.differed, n.invalid}),
                 (QList<int>{6, 1, 3, 2, 2}));
        QCOMPARE(n.reasons.size(), 4);
        QVERIFY(n.reasons.at(0).startsWith("randul 1: YO3ABC"));
        QCOMPARE(callsAndCounties(db), QStringList({"YO3ABC|BU", "YO9XYZ|PH", "YO8NEW|IS"}));
    }

    void failedCopyWritesNothing_data() {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("source lacks a column")
            << QStringList{"ID", "Call", "Other"} << "nu are coloana Jud";
        QTest::newRow("third row refused") << CallColumns << "scrierea in CallJud a esuat";
    }
    void failedCopyWritesNothing() {
        QFETCH(QStringList, columns);
        QFETCH(QString, errorPart);
        TempDataFolder dir;
        Database db("CallDb");
        QVERIFY(openCalls(dir, db));
        QVERIFY(
            db.exec(QStringLiteral("CREATE TRIGGER Refuse BEFORE INSERT ON CallJud WHEN "
                                   "NEW.Call = 'YO3BAD' BEGIN SELECT RAISE(ABORT, 'no'); END")));
        const JetTable source{columns,
                              {{"1", "YO3A", "BU"}, {"2", "YO3B", "BU"}, {"3", "YO3BAD", "BU"}}};
        const auto r = TableCopy::copyRows(source, callJud(), db);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(errorPart), qPrintable(r.error));
        QCOMPARE(callsAndCounties(db), QStringList());
    }

    // Each import keeps the Jet file beside, under a name not taken yet.
    void replaceKeepsTheJetFileBeside() {
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01", 21).leftJustified(8192, 'j');
        TempDataFolder dir;
        FakeJetReader reader;
        reader.content.insert("CallJud", {CallColumns, {{"1", "YO3ABC", "BU"}}});
        for (const QString keptAs : {"DbsVELT.mdb.jet", "DbsVELT.mdb.1.jet"}) {
            QVERIFY(dir.write(CallFile, jet));
            const JetImport::Result done = JetImport(reader).replace(dir.file(CallFile), callJud());
            QVERIFY2(done.ok, qPrintable(done.error));
            QCOMPARE(done.keptAs, dir.file(keptAs));
            QCOMPARE(dir.read(keptAs), jet);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        Database db("CallDb");
        QVERIFY(openCalls(dir, db, false));
        QCOMPARE(callsAndCounties(db), QStringList{"YO3ABC|BU"});
    }
};

QTEST_GUILESS_MAIN(JetImportTest)
#include "JetImportTest.moc"
