#include "keyer/CwMacros.h"
#include "setup/ContestCatalog.h"

#include <QTest>

class CwMacroTest : public QObject {
    Q_OBJECT
private slots:
    void expands_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("contest");
        QTest::addColumn<QString>("codeSent");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("logAfterSend");
        QTest::newRow("calls and county") << "CQ #1 #1 #2 #4" << 0 << "001"
                                          << "CQ YO9ABC YO9ABC YO3XYZ PH" << false;
        QTest::newRow("007 cut, speed marks kept") << ">#3<" << 15 << "007"
                                                   << ">TT7<" << false;
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
        const CwMacroValues station{"YO9ABC", "YO3XYZ", codeSent, "PH"};
        const CwMacroResult r = CwMacros::expand(text, station, *ContestCatalog::find(contest));
        QCOMPARE(r.text, expected);
        QCOMPARE(r.logAfterSend, logAfterSend);
    }
};

QTEST_GUILESS_MAIN(CwMacroTest)
#include "CwMacroTest.moc"
