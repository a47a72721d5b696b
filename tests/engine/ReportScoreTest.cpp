#include "ExpectedFile.h"
#include "engine/ReportFixture.h"
#include "services/reports/ClaimedScore.h"
#include "services/reports/ScoreTable.h"

#include <QTest>

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

// A table as "column:text" cells joined by "|", a line of text per line.
QString cells(const QList<ScoreLine>& lines) {
    QStringList out;
    for (const ScoreLine& l : lines) {
        QStringList c;
        for (const auto& [column, text] : l.cells)
            c << QString::number(column) + u':' + text;
        out << c.join(u'|');
    }
    return out.join(u'\n');
}

} // namespace

// Each kind of formula and table; the contests' own files are compared whole elsewhere.
class ReportScoreTest : public QObject {
    Q_OBJECT
private slots:
    // Every formula's claim and every table, of stage totals with 1B worked and without, compared
    // whole with their expected file.
    void everyFormulaAndTable() {
        static const char* const formulas[] = {"CampNat",    "Combined",   "PerStage", "PointsOnly",
                                               "Stage1Only", "FourStages", "Doubling"};
        static const char* const tables[] = {"Names",    "CampNat",         "FourStages",
                                             "PerStage", "PerStageNoTotal", "Independence",
                                             "Doubling", "Combined",        "SingleStage"};
        static const char* const printed[] = {"Names",    "CampNat",         "FourStages",
                                              "PerStage", "PerStageNoTotal", "Doubling",
                                              "Combined", "TwoRowsStage1",   "SingleStage"};
        QString out;
        for (const bool worked : {true, false}) {
            out += worked ? "== 1B worked\n" : "== 1B not worked\n";
            for (int f = 0; f < 7; ++f)
                out += QStringLiteral("claim %1: %2\n")
                           .arg(formulas[f])
                           .arg(claimedScoreOf(rules(ClaimFormula(f)), totals(worked)));
            for (int t = 0; t < 9; ++t) {
                ContestDef def;
                def.report.multipliers = t != int(SummaryTable::Names);
                def.report.summary = SummaryTable(t);
                def.report.printed = PrintedTable(t);
                out += QStringLiteral("summary %1\n%2\nprinted %3\n%4\n")
                           .arg(tables[t], cells(ScoreTable::textTable(def, totals(worked))),
                                printed[t], cells(ScoreTable::printedTable(def, totals(worked))));
            }
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/scores.txt"));
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
};

QTEST_GUILESS_MAIN(ReportScoreTest)
#include "ReportScoreTest.moc"
