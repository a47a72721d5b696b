#include "engine/ReportFixture.h"
#include "fakes/FakePrintSink.h"
#include "reports/PrintedLog.h"
#include "reports/Summary.h"
#include "setup/ContestCatalog.h"

#include <QTest>

namespace {

using Cell = FakePrintSink::Cell;

// `count` contacts of stage 1B, 2 points each, a new multiplier on every third.
QList<LogRow> stageRows(int count) {
    QList<LogRow> rows;
    for (int i = 0; i < count; ++i) {
        LogRow r = ReportFixture::row(i + 1, "YO5AAA", "10.11.07", "18:00", "2", "599 001 BV",
                                      "599 002 CJ", "CW", "CJ", i % 3 == 0 ? "CJ" : "  ", "2");
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
    void printedLogBreaksPagesAfter46Rows() {
        FakePrintSink sink;
        PrintedLog log(sink, *ContestCatalog::find(35), "YO5OHO/P", "07");
        QString note;
        QVERIFY(log.print(2, stageRows(47), note));
        QCOMPARE(note, QStringLiteral("printed"));
        QVERIFY(sink.ended);
        QCOMPARE(sink.pages.size(), 2);

        const QStringList heading{
            "",
            "",
            "",
            "    Cupa Carpati 07 YO5OHO/P  Etapa 1/2",
            "",
            "    Nr.  Data          UTC      Mode   Callsign     Sent          "
            "Rcvd          Mult  Pct",
            ""};
        const QStringList first = sink.pageText(0);
        QCOMPARE(first.mid(0, 7), heading);
        QCOMPARE(first.size(), 7 + 46);
        QCOMPARE(first[7], "    1    10.11.07      18:00    CW     YO5A01       599 001 BV    "
                           "599 002 CJ    CJ    2");
        QCOMPARE(columns(sink.pages[0][7]), (QList<int>{5, 10, 24, 33, 40, 53, 67, 81, 87}));
        QCOMPARE(columns(sink.pages[0][8]), (QList<int>{5, 10, 24, 33, 40, 53, 67, 87}));

        const QStringList second = sink.pageText(1);
        QCOMPARE(second.mid(0, 7), heading);
        QVERIFY(second[7].startsWith("    47   10.11.07"));
        QCOMPARE(second[8], "");
        const FakePrintSink::Line total = sink.pages[1][9];
        QCOMPARE(columns(total), (QList<int>{47, 77, 81}));
        QCOMPARE(total[0].text, "TOTAL");
        QCOMPARE(total[1].text, " 16"); // multipliers of stage 1B
        QCOMPARE(total[2].text, " 94"); // points of stage 1B
        QCOMPARE(second.size(), 10);
    }

    // A callsign longer than its column is printed whole and moves the rest of its line only.
    void longCallsignWidensItsLine() {
        FakePrintSink sink;
        PrintedLog log(sink, *ContestCatalog::find(35), "YO5OHO", "07");
        QList<LogRow> rows = stageRows(2);
        rows[0].callsign = QStringLiteral("YO/DL1ABCDE/QRP");
        QString note;
        QVERIFY(log.print(2, rows, note));
        const auto& page = sink.pages[0];
        QCOMPARE(page[7][4].text, QStringLiteral("YO/DL1ABCDE/QRP"));
        QCOMPARE(columns(page[7]), (QList<int>{5, 10, 24, 33, 40, 56, 70, 84, 90}));
        QCOMPARE(columns(page[8]), (QList<int>{5, 10, 24, 33, 40, 53, 67, 87}));
    }

    void refusedPrinterPrintsNothing() {
        FakePrintSink sink;
        sink.refuseBegin = true;
        QString note;
        QVERIFY(!PrintedLog(sink, *ContestCatalog::find(35), "YO5OHO", "07").print(1, {}, note));
        QVERIFY(!Summary::print(sink, *ContestCatalog::find(35), ReportFixture::station(),
                                totalsOf({}), "07", note));
        QVERIFY(!note.isEmpty());
        QVERIFY(!sink.ended);
    }

    void printedSummary() {
        FakePrintSink sink;
        QString note;
        const QList<LogRow> rows = ReportFixture::ordered(0);
        QVERIFY(Summary::print(sink, *ContestCatalog::find(0), ReportFixture::station(),
                               totalsOf(rows), "07", note));
        const QStringList text = sink.pageText(0);
        QCOMPARE(sink.pages.size(), 1);
        QCOMPARE(text.mid(0, 8), (QStringList{"", "", "", QString(14, u' ') + "YO5OHO/P - SUMMARY ",
                                              QString(14, u' ') + "Camp.VE LT 07 YO5OHO/P ", "", "",
                                              QString(9, u' ') + "Worked in Section:  SOAB"}));
        QCOMPARE(text[20], QString(11, u' ') + "Etapa   No.QSO    Pcte      Mult.     Scor");
        QCOMPARE(text[25], QString(11, u' ') + "TOTAL     7" + QString(27, u' ') + "20");
        QCOMPARE(text.last(),
                 QString(10, u' ') + "Date..............   Op(s) signature...................");
    }
};

QTEST_GUILESS_MAIN(PrintedReportsTest)
#include "PrintedReportsTest.moc"
