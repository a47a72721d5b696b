#include "contact/PartialCheck.h"
#include "ExpectedFile.h"

#include <QTest>

// The partial check: every known callsign holding the typed fragment, the exact one first.
class PartialCheckTest : public QObject {
    Q_OBJECT
private slots:
    void found() {
        PartialCheck index;
        index.reset({"YO5AAA", "YO5AAA/P", "yo2ab ", "ER5AB", "YO8XYZ/MM", "AAB"});
        index.add(QStringLiteral("YO5BYO")); // merged into the loaded ones' order
        index.add(QStringLiteral("YO5AAA"));
        index.add(QStringLiteral("LZ1ZZ"));
        QVERIFY(answersAsExpected("data/tables/partial.txt", [&](const QString& row) {
            QStringList out;
            for (const PartialMatch& m : index.find(row.section(QStringLiteral(": "), -1), 30))
                out << m.callsign;
            return out.join(u' ');
        }));
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
