#include "setup/ContestCatalog.h"
#include "setup/GridColumns.h"
#include "setup/LayoutFactors.h"

#include <QSet>
#include <QTest>

class ContestCatalogTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAreUniqueAndFindable() {
        QCOMPARE(ContestCatalog::all().size(), std::size_t(23));
        QSet<int> numbers;
        QSet<QString> codes;
        for (const ContestDef& c : ContestCatalog::all()) {
            numbers << c.number;
            codes << c.codeString();
            QCOMPARE(ContestCatalog::find(c.number), &c);
            QCOMPARE(ContestCatalog::findByCode(c.codeString()), &c);
        }
        QCOMPARE(numbers.size(), 23);
        QCOMPARE(codes.size(), 23);
        for (int unused : {3, 10, 26, 30, 36})
            QVERIFY(!ContestCatalog::find(unused));
    }

    void sentCodeRules_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("required");
        QTest::addColumn<bool>("startNumber");
        QTest::addColumn<bool>("serial");
        QTest::newRow("national") << 0 << true << true << false;
        QTest::newRow("LMAYO") << 1 << true << true << false;
        QTest::newRow("Caras") << 11 << false << false << true;
        QTest::newRow("Tresin") << 20 << false << false << true;
        QTest::newRow("Valdora") << 21 << false << false << false;
        QTest::newRow("Timis") << 25 << false << false << true;
        QTest::newRow("Pitesti") << 31 << false << true << false;
        QTest::newRow("Elevi") << 32 << true << true << false;
        QTest::newRow("Ardel") << 33 << true << true << false;
        QTest::newRow("Martisor") << 34 << true << true << false;
        QTest::newRow("Carpati") << 35 << false << true << false;
    }
    void sentCodeRules() {
        QFETCH(int, number);
        QFETCH(bool, required);
        QFETCH(bool, startNumber);
        QFETCH(bool, serial);
        const ContestDef* def = ContestCatalog::find(number);
        QCOMPARE(def->sentCodeRequired(), required);
        QCOMPARE(def->sentCodeIsStartNumber(), startNumber);
        QCOMPARE(def->serialSent(), serial);
    }

    void callAreaDigit_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("digit");
        QTest::newRow("digit") << "YO3ABC"
                               << "3";
        QTest::newRow("letter") << "YOKAB"
                                << "0";
        QTest::newRow("short") << "YO"
                               << "0";
        QTest::newRow("empty") << ""
                               << "0";
    }
    void callAreaDigit() {
        QFETCH(QString, call);
        QFETCH(QString, digit);
        QCOMPARE(ContestCatalog::callAreaDigit(call), digit);
    }

    void layoutFactors_data() {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("routine");
        QTest::addColumn<bool>("supported");
        QTest::newRow("640") << QSize(640, 480) << 0.8f << 0.8f << int(LayoutRoutine::Small)
                             << true;
        QTest::newRow("800") << QSize(800, 600) << 1.0f << 1.0f << int(LayoutRoutine::None) << true;
        QTest::newRow("1024") << QSize(1024, 768) << 1.015f << 1.02f << int(LayoutRoutine::Large)
                              << true;
        QTest::newRow("1280") << QSize(1280, 1024) << 1.28f << 1.365333f
                              << int(LayoutRoutine::LargeLcd) << true;
        QTest::newRow("1152") << QSize(1152, 864) << 1.0f << 1.0f << int(LayoutRoutine::None)
                              << false;
    }
    void layoutFactors() {
        QFETCH(QSize, display);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, routine);
        QFETCH(bool, supported);
        const LayoutFactors f = LayoutFactors::forDisplay(display);
        QCOMPARE(f.scaleX, x);
        QCOMPARE(f.scaleY, y);
        QCOMPARE(int(f.routine), routine);
        QCOMPARE(f.supported, supported);
    }

    void onlyTheNameContestHasNoCabrillo() {
        for (const ContestDef& def : ContestCatalog::all())
            QCOMPARE(def.hasCabrillo(), def.number != 11);
    }

    void gridColumns() {
        const auto qso = GridColumns::columnWidths(1.0f, false, false);
        QCOMPARE(qso,
                 (std::array<int, 11>{0, 1000, 880, 600, 350, 1100, 1100, 400, 400, 400, 350}));
        const auto names = GridColumns::columnWidths(1.0f, true, false);
        QCOMPARE(names[5], 1400);
        QCOMPARE(names[8], 0);
        QCOMPARE(names[9], 0);
        QVERIFY(GridColumns::columnWidths(0.8f, false, false)[1] > 800); // small type needs room
    }
};

QTEST_GUILESS_MAIN(ContestCatalogTest)
#include "ContestCatalogTest.moc"
