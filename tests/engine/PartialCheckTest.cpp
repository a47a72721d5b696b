#include "contact/PartialCheck.h"

#include <QTest>

// The partial check: every known callsign holding the typed fragment, the exact one first.
class PartialCheckTest : public QObject {
    Q_OBJECT
private slots:
    void found_data() {
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* fragment, const char* shown) {
            QTest::newRow(name) << fragment << shown;
        };
        row("one character is too few", "Y", "");
        row("two at the start, lower case; YO5BYO listed once", "yo",
            "YO2AB YO5AAA YO5AAA/P YO5BYO YO8XYZ/MM");
        row("exact first, then its beginnings", "YO5AAA", "YO5AAA YO5AAA/P");
        row("middle, with the digit", "5A", "ER5AB YO5AAA YO5AAA/P");
        row("end", "YZ/MM", "YO8XYZ/MM");
        row("slash alone", "/P", "YO5AAA/P");
        row("all pieces present, fragment absent", "AAAB", "");
        row("added later", "LZ1", "LZ1ZZ");
    }
    void found() {
        QFETCH(QString, fragment);
        QFETCH(QString, shown);
        PartialCheck index;
        index.reset({"YO5AAA", "YO5AAA/P", "yo2ab ", "ER5AB", "YO8XYZ/MM", "AAB"});
        index.add(QStringLiteral("YO5BYO")); // merged into the loaded ones' order
        index.add(QStringLiteral("YO5AAA"));
        index.add(QStringLiteral("LZ1ZZ"));
        QStringList out;
        for (const PartialMatch& m : index.find(fragment, 30))
            out << m.callsign;
        QCOMPARE(out.join(u' '), shown);
    }
    void limitKeepsTheBest() {
        PartialCheck index;
        for (const char* call : {"YO9ZZ", "YO9AB", "YO9", "XYO9"})
            index.add(QLatin1String(call));
        QCOMPARE(index.size(), 4);
        const QList<PartialMatch> two = index.find(QStringLiteral("YO9"), 2);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0].callsign, QStringLiteral("YO9"));
        QCOMPARE(two[1].callsign, QStringLiteral("YO9AB"));
    }
};

QTEST_GUILESS_MAIN(PartialCheckTest)
#include "PartialCheckTest.moc"
