#include "TempDataFolder.h"
#include "logging/Database.h"
#include "refdata/CallsignDb.h"
#include "refdata/CountyTables.h"

#include <QTest>

// The set-up screen's own-call search by prefix and the own county it proposes.
class OwnCallLookupTest : public QObject {
    Q_OBJECT
private slots:
    void longestStoredPrefixWins_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("jud"); // empty: nothing found
        QTest::newRow("whole call stored") << "YO3ABC"
                                           << "B4";
        QTest::newRow("longer prefix beats YO") << "YO5XYZ"
                                                << "CJ";
        QTest::newRow("lower case, blanks around") << " yo5xyz "
                                                   << "CJ";
        QTest::newRow("one-letter prefix") << "Z35A"
                                           << "ZZ";
        QTest::newRow("no prefix stored") << "DL1ABC"
                                          << "";
        QTest::newRow("quote in call") << "YO'1"
                                       << "IS";
    }
    void longestStoredPrefixWins() {
        QFETCH(QString, call);
        QFETCH(QString, jud);
        TempDataFolder folder;
        QVERIFY(folder.createDatabase(QStringLiteral("DbsVELT.mdb")));
        Database db(QStringLiteral("OwnCall"));
        QCOMPARE(db.open(folder.file(QStringLiteral("DbsVELT.mdb")), QStringLiteral("CallJud")),
                 Database::OpenResult::Ok);
        CallsignDb calls(db);
        for (const auto& [c, j] : {std::pair{"YO", "IS"},
                                   {"YO5", "CJ"},
                                   {"YO3ABC", "B4"},
                                   {"Z", "ZZ"},
                                   {"YO3ABCD", "XX"}})
            QVERIFY(calls.add(QLatin1String(c), QLatin1String(j)));

        const std::optional<CallsignRow> row = calls.longestPrefix(call);

        QCOMPARE(row.has_value(), !jud.isEmpty());
        if (row) {
            QCOMPARE(row->county, jud);
            QCOMPARE(row->id,
                     db.scalar(QStringLiteral("SELECT ID FROM CallJud WHERE Jud = ?"), {jud})
                         .toLongLong());
        }
    }

    void ownCountyMapsBucharest_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("sectors");
        QTest::addColumn<QString>("county");
        QTest::newRow("sector where sectors count") << "B4" << true << "XD";
        QTest::newRow("last sector") << "B6" << true << "XF";
        QTest::newRow("BU where sectors count") << "BU" << true << "X";
        QTest::newRow("sector elsewhere") << "B4" << false << "BU";
        QTest::newRow("no sector B7") << "B7" << false << "B7";
    }
    void ownCountyMapsBucharest() {
        QFETCH(QString, stored);
        QFETCH(bool, sectors);
        QFETCH(QString, county);
        QCOMPARE(CountyTables::ownCounty(stored, sectors), county);
    }
};

QTEST_GUILESS_MAIN(OwnCallLookupTest)
#include "OwnCallLookupTest.moc"
