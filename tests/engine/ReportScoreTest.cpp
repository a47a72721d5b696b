#include "engine/ReportFixture.h"
#include "services/reports/ClaimedScore.h"
#include "services/reports/ScoreTable.h"

#include <QTest>

Q_DECLARE_METATYPE(ClaimFormula)

namespace {

// Stage totals (contacts, points, multipliers) that keep every sum and product distinct:
// S1 = 20, S2 = 60, S3 = 120, S4 = 200, (P1+P2)(M1+M2) = 150, (P3+P4)(M3+M4) = 630.
ReportTotals totals(bool stage1BWorked = true) {
    std::array<StageTotals, 4> stages{StageTotals{3, 10, 2}, StageTotals{2, 20, 3},
                                      StageTotals{4, 30, 4}, StageTotals{1, 40, 5}};
    if (!stage1BWorked)
        stages[1] = StageTotals{};
    return ReportTotals::of(stages);
}

ContestDef rules(ClaimFormula claim) {
    ContestDef def;
    def.report.claim = claim;
    return def;
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

// One row per kind of formula or table; the contests' own files are compared whole elsewhere.
class ReportScoreTest : public QObject {
    Q_OBJECT
private slots:
    void claimedScore_data() {
        QTest::addColumn<ClaimFormula>("formula");
        QTest::addColumn<bool>("stage1BWorked");
        QTest::addColumn<qint64>("claim");
        QTest::newRow("two pairs") << ClaimFormula::CampNat << true << qint64(780);
        QTest::newRow("combined") << ClaimFormula::Combined << true << qint64(150);
        QTest::newRow("per stage") << ClaimFormula::PerStage << true << qint64(80);
        QTest::newRow("points only") << ClaimFormula::PointsOnly << true << qint64(30);
        QTest::newRow("stage 1A") << ClaimFormula::Stage1Only << true << qint64(20);
        QTest::newRow("four stages") << ClaimFormula::FourStages << true << qint64(400);
        QTest::newRow("both stages doubled") << ClaimFormula::Doubling << true << qint64(160);
        QTest::newRow("one stage not doubled") << ClaimFormula::Doubling << false << qint64(20);
    }
    void claimedScore() {
        QFETCH(ClaimFormula, formula);
        QFETCH(bool, stage1BWorked);
        QFETCH(qint64, claim);
        QCOMPARE(claimedScoreOf(rules(formula), totals(stage1BWorked)), claim);
    }

    // Points beyond 16 and 32 bits stay exact in stage totals, partial scores and the claim.
    void largeScoresAre64Bit() {
        const QList<LogRow> rows(
            3, ReportFixture::row(
                   1, "YO5AAA|10.11.07|18:00|1|599 001 BV|599 001 CJ|CW|CJ|CJ|2000000000"));
        const StageTotals s1 = stageTotalsOf(rows, 1);
        QCOMPARE(s1.points, qint64(6000000000));
        const ReportTotals t = ReportTotals::of({s1, {}, {}, {}});
        QCOMPARE(claimedScoreOf(rules(ClaimFormula::Stage1Only), t), qint64(18000000000));
        QCOMPARE(claimedScoreOf(rules(ClaimFormula::Combined), t), qint64(18000000000));
    }

    // The text summary's tables first, then the printed sheet's.
    void scoreTable_data() {
        QTest::addColumn<int>("summary");
        QTest::addColumn<int>("printed");
        QTest::addColumn<bool>("stage1BWorked");
        QTest::addColumn<QStringList>("lines");
        const int none = -1;
        QTest::newRow("per stage") << int(SummaryTable::PerStage) << none << true
                                   << QStringList{kTextHead, kT1A + "|54: 20", kT1B + "|54: 60",
                                                  "10:TOTAL|24: 5|34: 30|44: 5|55: 80"};
        QTest::newRow("total of stage 1A")
            << int(SummaryTable::Independence) << none << true
            << QStringList{kTextHead, kT1A, kT1B + "|54: 60", "10:TOTAL|24: 5|34: 30|44: 5|55: 20"};
        QTest::newRow("doubled, one stage")
            << int(SummaryTable::Doubling) << none << false
            << QStringList{kTextHead, kT1A + "|54: 20", "10:1B|24: 0|34: 0|44: 0|54: 0",
                           "10:TOTAL|54: 20"};
        QTest::newRow("single stage")
            << int(SummaryTable::SingleStage) << none << true
            << QStringList{kTextHead, kT1A, "10:TOTAL|24: 3|34: 10|44: 2|55: 20"};
        QTest::newRow("printed names")
            << none << int(PrintedTable::Names) << true
            << QStringList{"12:Etapa|20:No.QSO|30:Pcte|40:Scor", "14:1A|24: 3|34: 10",
                           "14:1B|24: 2|34: 20", "12:TOTAL|21: 5|40: 30"};
        QTest::newRow("printed, doubled")
            << none << int(PrintedTable::Doubling) << true
            << QStringList{kPrintHead, kP1A + "|54: 20", kP1B, "10:TOTAL|50: 80 * 2 = 160"};
        QTest::newRow("printed, combined")
            << none << int(PrintedTable::Combined) << true
            << QStringList{kPrintHead, kP1A, kP1B, "12:TOTAL|22: 5|32: 30|41: 5|50: 150"};
    }
    void scoreTable() {
        QFETCH(int, summary);
        QFETCH(int, printed);
        QFETCH(bool, stage1BWorked);
        QFETCH(QStringList, lines);
        ContestDef def;
        def.report.multipliers = printed != int(PrintedTable::Names);
        if (printed < 0) {
            def.report.summary = SummaryTable(summary);
            QCOMPARE(cells(ScoreTable::textTable(def, totals(stage1BWorked))), lines);
        } else {
            def.report.printed = PrintedTable(printed);
            QCOMPARE(cells(ScoreTable::printedTable(def, totals(stage1BWorked))), lines);
        }
    }
};

QTEST_GUILESS_MAIN(ReportScoreTest)
#include "ReportScoreTest.moc"
