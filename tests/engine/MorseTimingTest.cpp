#include "keyer/MorseTiming.h"

#include <QTest>

Q_DECLARE_METATYPE(CwWeight)

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
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("speed");
        QTest::addColumn<CwWeight>("weight");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("endSpeed"); // speed changes stay after the message
        const CwWeight even = CwWeight::Even;
        // At 30 wpm: a dot 37 ms, a dash 110, the gap after a character 37 + 117, a space 147.
        QTest::newRow("ET E at 30")
            << "ET E" << 30 << even << "+37 -37 -117 +110 -37 -117 -147 +37 -37 -117 -147" << 30;
        QTest::newRow("empty text: one word space") << "" << 30 << even << "-147" << 30;
        QTest::newRow("weight 0.8")
            << "ET~" << 30 << CwWeight::Heavy << "+43 -31 -117 +116 -31 -117 -61 -147" << 30;
        // Below 13 wpm the characters are formed at 13 wpm; the gaps take the rest.
        QTest::newRow("13 wpm") << "E" << 13 << even << "+85 -85 -270 -338" << 13;
        QTest::newRow("12 wpm") << "ET" << 12 << even << "+85 -85 -335 +254 -85 -335 -338" << 12;
        QTest::newRow("11 wpm") << "E" << 11 << even << "+85 -85 -428 -338" << 11;
        QTest::newRow("10 wpm") << "E" << 10 << even << "+85 -85 -492 -338" << 10;
        QTest::newRow("9 wpm") << "E" << 9 << even << "+85 -85 -685 -338" << 9;
        QTest::newRow("no entry, no gap")
            << "E(-E" << 30 << even << "+37 -37 -117 +37 -37 -117 -147" << 30;
        QTest::newRow("faster and back")
            << "E>E<E" << 30 << even << "+37 -37 -117 +31 -31 -100 +37 -37 -117 -147" << 30;
        QTest::newRow("> at 40 gives 45") << "E>" << 40 << even << "+27 -27 -88 -98" << 45;
        QTest::newRow("< stops at 5") << "<<<E" << 10 << even << "+220 -220 -703 -879" << 5;
    }
    void steps() {
        QFETCH(QString, text);
        QFETCH(int, speed);
        QFETCH(CwWeight, weight);
        QFETCH(QString, expected);
        QFETCH(int, endSpeed);
        const CwMessage m = MorseTiming::steps(text, speed, weight);
        QCOMPARE(render(m.steps), expected);
        QCOMPARE(m.endSpeed, endSpeed);
    }

    void stepsCountTheCharactersSent() {
        const CwMessage m = MorseTiming::steps(QStringLiteral("E>T"), 30, CwWeight::Even);
        QList<int> shown;
        for (const KeyStep& s : m.steps)
            shown << s.shown;
        QCOMPARE(shown, (QList<int>{1, 1, 1, 3, 3, 3, 3}));
        QCOMPARE(m.totalMs(), 37 + 37 + 117 + 94 + 31 + 100 + 126);
    }

    void speedKeys_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::newRow("PageUp 39 to 40") << 39 << true << 40;
        QTest::newRow("PageUp after > at 40") << 45 << true << 40;
        QTest::newRow("PageDown 12 to 10") << 12 << false << 10;
        QTest::newRow("PageDown 11 to 10") << 11 << false << 10;
    }
    void speedKeys() {
        QFETCH(int, speed);
        QFETCH(bool, up);
        QFETCH(int, expected);
        QCOMPARE(MorseTiming::stepSpeed(speed, up), expected);
    }
};

QTEST_GUILESS_MAIN(MorseTimingTest)
#include "MorseTimingTest.moc"
