#include "jetimport/JetImport.h"
#include "TempDataFolder.h"
#include "fakes/FakeJetReader.h"
#include "jetimport/TableCopy.h"
#include "jetimport/TableMap.h"
#include "logging/Database.h"
#include "logging/SchemaScript.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QTest>

namespace {
const QString CallFile = QStringLiteral("DbsVELT.mdb");
const QByteArray JetBytes =
    QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01", 21) + QByteArray(4096 * 2 - 21, 'j');

const TableMap& callJud() {
    return *TableMap::forTable(QStringLiteral("CallJud"));
}

JetTable callTable(const QList<QStringList>& rows) {
    return {{QStringLiteral("ID"), QStringLiteral("Call"), QStringLiteral("Jud")}, rows};
}

QStringList entries(const TempDataFolder& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList rows(Database& db, const QString& sql) {
    QStringList out;
    auto q = db.select(sql);
    while (q && q->next()) {
        QStringList cols;
        for (int i = 0; i < q->record().count(); ++i)
            cols << q->value(i).toString();
        out << cols.join(u'|');
    }
    return out;
}
} // namespace

class JetImportTest : public QObject {
    Q_OBJECT
private slots:
    void callsignsMergeIntoCallJud() {
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(CallFile));
        Database db(QStringLiteral("CallDb"));
        QCOMPARE(db.open(dir.file(CallFile), QStringLiteral("CallJud")), Database::OpenResult::Ok);
        QVERIFY(db.exec(QStringLiteral("INSERT INTO CallJud (Call, Jud) VALUES ('YO3ABC', 'BU'), "
                                       "('YO9XYZ', 'PH')")));
        const JetTable source = callTable({{"1", " yo3abc ", "B3"},
                                           {"2", "YO9XYZ", "PH "},
                                           {"3", "  ", "BU"},
                                           {"4", "YO-3AB", "BU"},
                                           {"5", "yo8new", "IS"},
                                           {"6", "YO8NEW", "SV"}});
        const TableCopy::Result r = TableCopy::copyRows(source, callJud(), db);
        QVERIFY(r.ok);
        QCOMPARE(r.counts.read, 6);
        QCOMPARE(r.counts.imported, 1);
        QCOMPARE(r.counts.present, 3);
        QCOMPARE(r.counts.differed, 2);
        QCOMPARE(r.counts.invalid, 2);
        QCOMPARE(r.counts.reasons.size(), 4);
        QVERIFY(r.counts.reasons.at(0).startsWith(QStringLiteral("randul 1: YO3ABC")));
        QVERIFY(r.counts.reasons.at(2).contains(QStringLiteral("\"YO-3AB\"")));
        QCOMPARE(rows(db, QStringLiteral("SELECT Call, Jud FROM CallJud ORDER BY ID")),
                 QStringList({"YO3ABC|BU", "YO9XYZ|PH", "YO8NEW|IS"}));
    }

    void failedCopyWritesNothing_data() {
        QTest::addColumn<QString>("missingColumn");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("source lacks a column") << "Jud"
                                               << "nu are coloana Jud";
        QTest::newRow("third row refused") << ""
                                           << "scrierea in CallJud a esuat";
    }
    void failedCopyWritesNothing() {
        QFETCH(QString, missingColumn);
        QFETCH(QString, errorPart);
        TempDataFolder dir;
        QVERIFY(dir.createDatabase(CallFile));
        Database db(QStringLiteral("CallDb"));
        QCOMPARE(db.open(dir.file(CallFile), QStringLiteral("CallJud")), Database::OpenResult::Ok);
        QVERIFY(
            db.exec(QStringLiteral("CREATE TRIGGER Refuse BEFORE INSERT ON CallJud WHEN "
                                   "NEW.Call = 'YO3BAD' BEGIN SELECT RAISE(ABORT, 'no'); END")));
        JetTable source =
            callTable({{"1", "YO3A", "BU"}, {"2", "YO3B", "BU"}, {"3", "YO3BAD", "BU"}});
        source.columns.replaceInStrings(QRegularExpression(QLatin1Char('^') + missingColumn + '$'),
                                        QStringLiteral("Other"));
        const auto r = TableCopy::copyRows(source, callJud(), db);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(errorPart), qPrintable(r.error));
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM CallJud")).toInt(), 0);
    }

    void replaceKeepsTheJetFileBeside_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("keptAs");
        QTest::newRow("first import") << QStringList() << "DbsVELT.mdb.jet";
        QTest::newRow(".jet taken") << QStringList{"DbsVELT.mdb.jet"} << "DbsVELT.mdb.1.jet";
    }
    void replaceKeepsTheJetFileBeside() {
        QFETCH(QStringList, before);
        QFETCH(QString, keptAs);
        TempDataFolder dir;
        QVERIFY(dir.write(CallFile, JetBytes));
        for (const QString& f : before)
            QVERIFY(dir.write(f, "earlier"));
        FakeJetReader reader;
        reader.content.insert(QStringLiteral("CallJud"), callTable({{"1", "YO3ABC", "BU"}}));
        const JetImport::Result done = JetImport(reader).replace(dir.file(CallFile), callJud());
        QVERIFY2(done.ok, qPrintable(done.error));
        QCOMPARE(done.keptAs, dir.file(keptAs));
        QCOMPARE(dir.read(keptAs), JetBytes);
        for (const QString& f : before)
            QCOMPARE(dir.read(f), QByteArray("earlier"));
        QStringList files = before + QStringList{CallFile, keptAs};
        files.sort();
        QCOMPARE(entries(dir), files);
        Database db(QStringLiteral("CallDb"));
        QCOMPARE(db.open(dir.file(CallFile), QStringLiteral("CallJud")), Database::OpenResult::Ok);
        QCOMPARE(rows(db, QStringLiteral("SELECT Call, Jud FROM CallJud")),
                 QStringList{"YO3ABC|BU"});
    }
};

QTEST_GUILESS_MAIN(JetImportTest)
#include "JetImportTest.moc"
