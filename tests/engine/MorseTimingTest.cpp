#include "rules/MorseTiming.h"
#include "ExpectedFile.h"

#include <QTest>

namespace {
// "+110 -37 ..." : key down or up and its milliseconds, one interval after another.
QString render(const QList<KeyStep>& steps) {
    QStringList parts;
    for (const KeyStep& s : steps)
        parts << (s.keyDown ? QLatin1Char('+') : QLatin1Char('-')) + QString::number(s.ms);
    return parts.join(QLatin1Char(' '));
}
} // namespace

// Only E (one dot) and T (one dash) are keyed: the timing rules, not the code table, are tested.
class MorseTimingTest : public QObject {
    Q_OBJECT
private slots:
    void steps() {
        QVERIFY(answersAsExpected("data/tables/morsesteps.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u'|');
            const CwWeight weight = f[2] == u'H' ? CwWeight::Heavy : CwWeight::Even;
            const CwMessage m = MorseTiming::steps(f[0], f[1].toInt(), weight);
            return render(m.steps) + u'|' + QString::number(m.endSpeed);
        }));
    }

    void stepsCountTheCharactersSent() {
        const CwMessage m = MorseTiming::steps(QStringLiteral("E>T"), 30, CwWeight::Even);
        QList<int> shown;
        for (const KeyStep& s : m.steps)
            shown << s.shown;
        QCOMPARE(shown, (QList<int>{1, 1, 1, 3, 3, 3, 3}));
    }

    void speedKeys() {
        QVERIFY(answersAsExpected("data/tables/speedkeys.txt", [](const QString& row) {
            const QStringList f = row.section(QStringLiteral(": "), -1).split(u' ');
            return QString::number(MorseTiming::stepSpeed(f[0].toInt(), f[1] == u'+'));
        }));
    }
};

QTEST_GUILESS_MAIN(MorseTimingTest)
#include "MorseTimingTest.moc"
