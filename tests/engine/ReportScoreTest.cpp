#include "engine/ReportFixture.h"
#include "reports/ClaimedScore.h"
#include "reports/ScoreTable.h"
#include "setup/ContestCatalog.h"

#include <QTest>

namespace {

// Stage totals (contacts, points, multipliers) that keep every sum and product distinct:
// S1 = 20, S2 = 60, S3 = 120, S4 = 200, (P1+P2)(M1+M2) = 150, (P3+P4)(M3+M4) = 630.
ReportTotals totals(bool stage1BWorked = true) {
    ReportTotals t;
    t.stages = {StageTotals{3, 10, 2}, StageTotals{2, 20, 3}, StageTotals{4, 30, 4},
                StageTotals{1, 40, 5}};
    if (!stage1BWorked)
        t.stages[1] = StageTotals{};
    for (const StageTotals& s : t.stages) {
        t.qsos += s.qsos;
        t.points += s.points;
        t.multipliers += s.multipliers;
    }
    return t;
}

// A table as "column:text" cells joined by "|", one string per line.
QStringList cells(const QList<ScoreLine>& lines) {
    QStringList out;
    for (const ScoreLine& l : lines) {
        QStringList c;
        for (const auto& [column, text] : l.cells)
            c << QString::number(column) + u':' + text;
        out << c.join(u'|');
    }
    return out;
}

const QString kTextHead = "10:Etapa|24:No.QSO|34:Pcte|44:Mult.|54:Scor";
const QString kT1A = "10:1A|24: 3|34: 10|44: 2";
const QString kT1B = "10:1B|24: 2|34: 20|44: 3";
const QString kPrintHead = "12:Etapa|20:No.QSO|30:Pcte|40:Mult.|50:Scor";
const QString kP1A = "14:1A|24: 3|34: 10|44: 2";
const QString kP1B = "14:1B|24: 2|34: 20|44: 3";

} // namespace

class ReportScoreTest : public QObject {
    Q_OBJECT
private slots:
    void claimedScore_data() {
        QTest::addColumn<int>("contest");
        QTest::addColumn<bool>("stage1BWorked");
        QTest::addColumn<qint64>("claim");
        QTest::newRow("0") << 0 << true << qint64(780);
        QTest::newRow("combined") << 1 << true << qint64(150);
        QTest::newRow("per stage") << 2 << true << qint64(80);
        QTest::newRow("11 points only") << 11 << true << qint64(30);
        QTest::newRow("stage 1A") << 13 << true << qint64(20);
        QTest::newRow("31 four stages") << 31 << true << qint64(400);
        QTest::newRow("33 both stages doubled") << 33 << true << qint64(160);
        QTest::newRow("33 one stage") << 33 << false << qint64(20);
    }
    void claimedScore() {
        QFETCH(int, contest);
        QFETCH(bool, stage1BWorked);
        QFETCH(qint64, claim);
        QCOMPARE(claimedScoreOf(*ContestCatalog::find(contest), totals(stage1BWorked)), claim);
    }

    // Points beyond 16 and 32 bits stay exact in stage totals, partial scores and the claim.
    void largeScoresAre64Bit() {
        QList<LogRow> rows;
        for (int i = 0; i < 3; ++i)
            rows << ReportFixture::row(i + 1, "YO5AAA", "10.11.07", "18:00", "1", "599 001 BV",
                                       "599 001 CJ", "CW", "CJ", "CJ", "2000000000");
        const ReportTotals t = totalsOf(rows);
        QCOMPARE(t.stage(1).points, qint64(6000000000));
        QCOMPARE(claimedScoreOf(*ContestCatalog::find(13), t), qint64(18000000000));
        QCOMPARE(claimedScoreOf(*ContestCatalog::find(35), t), qint64(18000000000));
    }

    void stageTotalsFromRows() {
        const StageTotals t = stageTotalsOf(ReportFixture::entered(0), 1);
        QCOMPARE(t.qsos, 3);        // the duplicate counts as a contact
        QCOMPARE(t.points, 4);      // " 0" adds nothing
        QCOMPARE(t.multipliers, 1); // "  " and " " bring no multiplier
        QCOMPARE(stageTotalsOf({}, 2).qsos, 0);
    }

    // The layouts the whole summary files of the export tests do not show.
    void textTable_data() {
        QTest::addColumn<int>("contest");
        QTest::addColumn<bool>("stage1BWorked");
        QTest::addColumn<QStringList>("lines");
        const QStringList perStage{kT1A + "|54: 20", kT1B + "|54: 60",
                                   "10:TOTAL|24: 5|34: 30|44: 5|55: 80"};
        QTest::newRow("per stage") << 14 << true << QStringList{kTextHead} + perStage;
        QTest::newRow("total of stage 1A")
            << 13 << true
            << QStringList{kTextHead, kT1A, kT1B + "|54: 60", "10:TOTAL|24: 5|34: 30|44: 5|55: 20"};
        QTest::newRow("doubled, one stage")
            << 33 << false
            << QStringList{kTextHead, kT1A + "|54: 20", "10:1B|24: 0|34: 0|44: 0|54: 0",
                           "10:TOTAL|54: 20"};
        QTest::newRow("single stage")
            << 19 << true << QStringList{kTextHead, kT1A, "10:TOTAL|24: 3|34: 10|44: 2|55: 20"};
    }
    void textTable() {
        QFETCH(int, contest);
        QFETCH(bool, stage1BWorked);
        QFETCH(QStringList, lines);
        QCOMPARE(
            cells(ScoreTable::textTable(*ContestCatalog::find(contest), totals(stage1BWorked))),
            lines);
    }

    void printedTable_data() {
        QTest::addColumn<int>("contest");
        QTest::addColumn<bool>("stage1BWorked");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("11 names") << 11 << true
                                  << QStringList{"12:Etapa|20:No.QSO|30:Pcte|40:Scor",
                                                 "14:1A|24: 3|34: 10", "14:1B|24: 2|34: 20",
                                                 "12:TOTAL|21: 5|40: 30"};
        QTest::newRow("0") << 0 << true
                           << QStringList{kPrintHead,
                                          kP1A,
                                          kP1B + "|54: 150",
                                          "14:2A|24: 4|34: 30|44: 4",
                                          "14:2B|24: 1|34: 40|44: 5|54: 630",
                                          "12:TOTAL|21: 10|49: 780"};
        QTest::newRow("33 both stages")
            << 33 << true
            << QStringList{kPrintHead, kP1A + "|54: 20", kP1B, "10:TOTAL|50: 80 * 2 = 160"};
        QTest::newRow("combined") << 1 << true
                                  << QStringList{kPrintHead, kP1A, kP1B,
                                                 "12:TOTAL|22: 5|32: 30|41: 5|50: 150"};
    }
    void printedTable() {
        QFETCH(int, contest);
        QFETCH(bool, stage1BWorked);
        QFETCH(QStringList, lines);
        const auto table =
            ScoreTable::printedTable(*ContestCatalog::find(contest), totals(stage1BWorked));
        QCOMPARE(cells(table), lines);
        QVERIFY(table.first().heading);
    }
};

QTEST_GUILESS_MAIN(ReportScoreTest)
#include "ReportScoreTest.moc"
