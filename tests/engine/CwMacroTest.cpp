#include "keyer/CwMacros.h"
#include "keyer/MorseTiming.h"
#include "setup/ContestCatalog.h"

#include <QTest>

namespace {
CwMacroValues station(const QString& codeSent = QStringLiteral("001")) {
    return {QStringLiteral("YO9ABC"), QStringLiteral("YO3XYZ"), codeSent, QStringLiteral("PH")};
}
} // namespace

class CwMacroTest : public QObject {
    Q_OBJECT
private slots:
    void expands_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("codeSent");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("logAfterSend");
        QTest::newRow("own call twice") << "CQ #1 #1 TEST" << 0 << "001"
                                        << "CQ YO9ABC YO9ABC TEST" << false;
        QTest::newRow("other call and county") << "#2 5NN #4" << 0 << "001"
                                               << "YO3XYZ 5NN PH" << false;
        QTest::newRow("007 in contest 15") << "#3" << 15 << "007"
                                           << "TT7" << false;
        QTest::newRow("042 in contest 15") << "#3" << 15 << "042"
                                           << "T42" << false;
        QTest::newRow("142 in contest 15") << "#3" << 15 << "142"
                                           << "142" << false;
        QTest::newRow("007 in contest 0") << "#3" << 0 << "007"
                                          << "007" << false;
        QTest::newRow("#8 logs, sends nothing") << "#8 TU" << 0 << "001"
                                                << " TU" << true;
        QTest::newRow("unknown macro dropped") << "TU #9 GL" << 0 << "001"
                                               << "TU  GL" << false;
        QTest::newRow("# at the end dropped") << "TU #" << 0 << "001"
                                              << "TU " << false;
    }
    void expands() {
        QFETCH(QString, text);
        QFETCH(int, contest);
        QFETCH(QString, codeSent);
        QFETCH(QString, expected);
        QFETCH(bool, logAfterSend);
        const ContestDef* def = ContestCatalog::find(contest);
        QVERIFY(def);
        const CwMacroResult r = CwMacros::expand(text, station(codeSent), *def);
        QCOMPARE(r.text, expected);
        QCOMPARE(r.logAfterSend, logAfterSend);
    }

    void codeGoesOutFasterAndSpeedReturns() {
        const CwMacroResult r =
            CwMacros::expand(QStringLiteral("5NN >#3< TU"), station(QStringLiteral("042")),
                             *ContestCatalog::find(15));
        const CwMessage m = MorseTiming::steps(r.text, 30, CwWeight::Even);
        QCOMPARE(m.endSpeed, 30);
        const qsizetype codeAt = r.text.indexOf(QLatin1Char('T')) + 1;
        const qsizetype tuAt = r.text.lastIndexOf(QLatin1Char('T')) + 1;
        int codeDash = 0;
        int tuDash = 0;
        for (const KeyStep& s : m.steps) {
            if (s.shown == codeAt && s.keyDown && codeDash == 0)
                codeDash = s.ms;
            if (s.shown == tuAt && s.keyDown && tuDash == 0)
                tuDash = s.ms;
        }
        QCOMPARE(codeDash, 94); // a dash at 35 wpm
        QCOMPARE(tuDash, 110);  // a dash at 30 wpm
    }
};

QTEST_GUILESS_MAIN(CwMacroTest)
#include "CwMacroTest.moc"
