#include "ExpectedFile.h"
#include "rules/CountyTables.h"
#include "rules/MorseTable.h"
#include "rules/MorseTiming.h"

#include <QTest>

// Each table the program keeps, compared once and whole with its expected file.
class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void countyLists() {
        QString out = "counties " + CountyTables::counties().join(u' ') + "\nzodiac " +
                      CountyTables::zodiac().join(u' ') + u'\n';
        QStringList calls{"DL5ABC", "YO"};
        for (const char* prefix : {"YO", "YR", "YQ", "YP", "ER"})
            for (int area = 0; area <= 9; ++area)
                calls << prefix + QString::number(area) + "ABC";
        for (const QString& call : calls)
            out += call + u' ' + CountyTables::countyChoices(call).join(u',') + u'\n';
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/counties.txt"));
    }

    // The code of each character, and "ET" keyed at 30 wpm in each weight.
    void morse() {
        QString out;
        for (const MorseEntry& e : MorseTable::entries())
            out += QString(QLatin1Char(e.character)) + u' ' + e.pattern + u'\n';
        for (CwWeight w : {CwWeight::Even, CwWeight::Heavy, CwWeight::Heavier}) {
            for (const KeyStep& s : MorseTiming::steps("ET", 30, w).steps)
                out += (s.keyDown ? u'+' : u'-') + QString::number(s.ms) + u' ';
            out += u'\n';
        }
        QVERIFY(sameAsExpected(out.toUtf8(), "data/tables/morse.txt"));
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "TablesTest.moc"
