#include "ExpectedFile.h"
#include "rules/ContestCatalog.h"
#include "services/keyer/CwMacros.h"

#include <QTest>

class CwMacroTest : public QObject {
    Q_OBJECT
private slots:
    void expands() {
        QVERIFY(answersAsExpected("data/tables/macros.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            const CwMacroValues station{"YO9ABC", "YO3XYZ", f[2], "PH"};
            const CwMacroResult r =
                CwMacros::expand(f[0], station, *ContestCatalog::find(f[1].toInt()));
            return r.text + u'|' + QString::number(int(r.logAfterSend));
        }));
    }
};

QTEST_GUILESS_MAIN(CwMacroTest)
#include "CwMacroTest.moc"
