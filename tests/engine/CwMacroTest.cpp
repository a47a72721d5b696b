#include "rules/ContestCatalog.h"
#include "services/keyer/CwMacros.h"

#include <QTest>

class CwMacroTest : public QObject {
    Q_OBJECT
private slots:
    void expands_data() {
        // text, contest, code sent, text keyed, 0/1 for logging after the message
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        row("calls and county", "CQ #1 #1 #2 #4|0|001|CQ YO9ABC YO9ABC YO3XYZ PH|0");
        row("007 cut, speed marks kept", ">#3<|15|007|>TT7<|0");
        row("042 in contest 15", "#3|15|042|T42|0");
        row("142 in contest 15", "#3|15|142|142|0");
        row("007 in contest 0", "#3|0|007|007|0");
        row("#8 logs, sends nothing", "#8 TU|0|001| TU|1");
        row("unknown macro dropped", "TU #9 GL|0|001|TU  GL|0");
        row("# at the end dropped", "TU #|0|001|TU |0");
    }
    void expands() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const CwMacroValues station{"YO9ABC", "YO3XYZ", f[2], "PH"};
        const CwMacroResult r =
            CwMacros::expand(f[0], station, *ContestCatalog::find(f[1].toInt()));
        QCOMPARE(r.text, f[3]);
        QCOMPARE(r.logAfterSend, f[4] == u'1');
    }
};

QTEST_GUILESS_MAIN(CwMacroTest)
#include "CwMacroTest.moc"
