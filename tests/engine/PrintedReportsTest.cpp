#include "engine/ReportFixture.h"
#include "fakes/FakePrintSink.h"
#include "rules/ContestCatalog.h"
#include "services/reports/PrintedLog.h"
#include "services/reports/Summary.h"

#include <QTest>

namespace {

using Cell = FakePrintSink::Cell;

// `count` contacts of stage 1B, 2 points each, a new multiplier on every third.
QList<LogRow> stageRows(int count) {
    QList<LogRow> rows;
    for (int i = 0; i < count; ++i) {
        LogRow r =
            ReportFixture::row(i + 1, "YO5AAA|10.11.07|18:00|2|599 001 BV|599 002 CJ|CW|CJ|  |2");
        if (i % 3 == 0)
            r.mult = "CJ";
        r.callsign = QStringLiteral("YO5A%1").arg(i + 1, 2, 10, QChar(u'0'));
        rows << r;
    }
    return rows;
}

QList<int> columns(const FakePrintSink::Line& line) {
    QList<int> out;
    for (const Cell& c : line)
        out << c.column;
    return out;
}

} // namespace

class PrintedReportsTest : public QObject {
    Q_OBJECT
private slots:
    // 47 contacts: 46 on the first page, the heading again on the second, then the TOTAL line.
    // The long first callsign is printed whole and moves the rest of its own line only.
    void printedLogBreaksPagesAfter46Rows() {
        FakePrintSink sink;
        PrintedLog log(sink, *ContestCatalog::find(35), "YO5OHO/P", "07");
        QList<LogRow> rows = stageRows(47);
        rows[0].callsign = "YO/DL1ABCDE/QRP";
        QVERIFY(log.print(2, rows));
        QVERIFY(sink.ended);
        QCOMPARE(sink.pages.size(), 2);

        const QStringList first = sink.pageText(0);
        QCOMPARE(first[3], "    Cupa Carpati 07 YO5OHO/P  Etapa 1/2");
        QCOMPARE(first.size(), 7 + 46);
        QCOMPARE(first[10], "    4    10.11.07      18:00    CW     YO5A04       599 001 BV    "
                            "599 002 CJ    CJ    2");
        QCOMPARE(sink.pages[0][7][4].text, "YO/DL1ABCDE/QRP");
        QCOMPARE(columns(sink.pages[0][7]), (QList<int>{5, 10, 24, 33, 40, 56, 70, 84, 90}));
        QCOMPARE(columns(sink.pages[0][8]), (QList<int>{5, 10, 24, 33, 40, 53, 67, 87}));
        QCOMPARE(columns(sink.pages[0][10]), (QList<int>{5, 10, 24, 33, 40, 53, 67, 81, 87}));

        const QStringList second = sink.pageText(1);
        QCOMPARE(second.mid(0, 7), first.mid(0, 7));
        QVERIFY(second[7].startsWith("    47   10.11.07"));
        QCOMPARE(second[8], "");
        // multipliers and points of stage 1B
        QCOMPARE(second[9], QString(46, u' ') + "TOTAL" + QString(25, u' ') + " 16  94");
        QCOMPARE(second.size(), 10);
    }

    void refusedPrinterPrintsNothing() {
        FakePrintSink sink;
        sink.refuseBegin = true;
        QVERIFY(!PrintedLog(sink, *ContestCatalog::find(35), "YO5OHO", "07").print(1, {}));
        const Outcome<QString> summary = Summary::print(
            sink, *ContestCatalog::find(35), ReportFixture::station(), ReportTotals{}, "07");
        QVERIFY(!summary.error().isEmpty());
        QVERIFY(!sink.ended);
    }

    void printedSummary() {
        FakePrintSink sink;
        // The totals of ReportFixture::entered(0).
        const ReportTotals totals =
            ReportTotals::of({StageTotals{3, 4, 1}, {1, 1, 1}, {2, 4, 1}, {1, 1, 1}});
        QVERIFY(
            Summary::print(sink, *ContestCatalog::find(0), ReportFixture::station(), totals, "07"));
        const QStringList text = sink.pageText(0);
        QCOMPARE(sink.pages.size(), 1);
        QCOMPARE(text[4], QString(14, u' ') + "Camp.VE LT 07 YO5OHO/P ");
        QCOMPARE(text[20], QString(11, u' ') + "Etapa   No.QSO    Pcte      Mult.     Scor");
        QCOMPARE(text[25], QString(11, u' ') + "TOTAL     7" + QString(27, u' ') + "20");
    }
};

QTEST_GUILESS_MAIN(PrintedReportsTest)
#include "PrintedReportsTest.moc"
