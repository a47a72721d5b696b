#include "rules/MorseTiming.h"

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
    void steps_data() {
        // text, speed, weight ("E" even, "H" heavy), the steps, the speed after the message
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const char* fields) { QTest::newRow(name) << fields; };
        // At 30 wpm: a dot 37 ms, a dash 110, the gap after a character 37 + 117, a space 147.
        row("ET E at 30", "ET E|30|E|+37 -37 -117 +110 -37 -117 -147 +37 -37 -117 -147|30");
        row("empty text: one word space", "|30|E|-147|30");
        row("weight 0.8", "ET~|30|H|+43 -31 -117 +116 -31 -117 -61 -147|30");
        // Below 13 wpm the characters are formed at 13 wpm; the gaps take the rest.
        row("13 wpm", "E|13|E|+85 -85 -270 -338|13");
        row("12 wpm", "ET|12|E|+85 -85 -335 +254 -85 -335 -338|12");
        row("10 wpm", "E|10|E|+85 -85 -492 -338|10");
        row("no entry, no gap", "E(-E|30|E|+37 -37 -117 +37 -37 -117 -147|30");
        row("faster and back", "E>E<E|30|E|+37 -37 -117 +31 -31 -100 +37 -37 -117 -147|30");
        // speed changes stay after the message
        row("> at 40 gives 45", "E>|40|E|+27 -27 -88 -98|45");
        row("< stops at 5", "<<<E|10|E|+220 -220 -703 -879|5");
    }
    void steps() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const CwWeight weight = f[2] == u'H' ? CwWeight::Heavy : CwWeight::Even;
        const CwMessage m = MorseTiming::steps(f[0], f[1].toInt(), weight);
        QCOMPARE(render(m.steps), f[3]);
        QCOMPARE(m.endSpeed, f[4].toInt());
    }

    void stepsCountTheCharactersSent() {
        const CwMessage m = MorseTiming::steps(QStringLiteral("E>T"), 30, CwWeight::Even);
        QList<int> shown;
        for (const KeyStep& s : m.steps)
            shown << s.shown;
        QCOMPARE(shown, (QList<int>{1, 1, 1, 3, 3, 3, 3}));
    }

    void speedKeys_data() {
        // speed, "+" PageUp or "-" PageDown, speed afterwards
        QTest::addColumn<QString>("fields");
        QTest::newRow("PageUp 39 to 40") << "39 + 40";
        QTest::newRow("PageUp after > at 40") << "45 + 40";
        QTest::newRow("PageDown 12 to 10") << "12 - 10";
        QTest::newRow("PageDown 11 to 10") << "11 - 10";
    }
    void speedKeys() {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u' ');
        QCOMPARE(MorseTiming::stepSpeed(f[0].toInt(), f[1] == u'+'), f[2].toInt());
    }
};

QTEST_GUILESS_MAIN(MorseTimingTest)
#include "MorseTimingTest.moc"
