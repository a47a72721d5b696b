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

class MorseTimingTest : public QObject {
    Q_OBJECT
private slots:

    void steps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("speed");
        QTest::addColumn<CwWeight>("weight");
        QTest::addColumn<QString>("expected");
        const CwWeight one = CwWeight::Even;
        // The worked example: dots 37 ms, gap after a character 37 + 117, a space 147 more.
        QTest::newRow("CQ TEST at 30") << "CQ TEST" << 30 << one
                                       << "+110 -37 +37 -37 +110 -37 +37 -37 -117 "
                                          "+110 -37 +110 -37 +37 -37 +110 -37 -117 -147 "
                                          "+110 -37 -117 +37 -37 -117 "
                                          "+37 -37 +37 -37 +37 -37 -117 +110 -37 -117 -147";
        QTest::newRow("weight 0.8")
            << "ET~" << 30 << CwWeight::Heavy << "+43 -31 -117 +116 -31 -117 -61 -147";
        QTest::newRow("half space at 1") << "~" << 30 << one << "-73 -147";
        // Below 13 wpm the characters are formed at 13 wpm; the gaps take the rest.
        QTest::newRow("12 wpm") << "ET" << 12 << one << "+85 -85 -335 +254 -85 -335 -338";
        QTest::newRow("11 wpm") << "E" << 11 << one << "+85 -85 -428 -338";
        QTest::newRow("9 wpm") << "E" << 9 << one << "+85 -85 -685 -338";
        QTest::newRow("13 wpm") << "E" << 13 << one << "+85 -85 -270 -338";
        QTest::newRow("no entry, no gap")
            << "E(-E" << 30 << one << "+37 -37 -117 +37 -37 -117 -147";
        QTest::newRow("empty text: one word space") << "" << 30 << one << "-147";
        QTest::newRow("faster and back")
            << "E>E<E" << 30 << one << "+37 -37 -117 +31 -31 -100 +37 -37 -117 -147";
        QTest::newRow("word space after >") << "E> " << 30 << one << "+37 -37 -117 -126 -126";
    }
    void steps() {
        QFETCH(QString, text);
        QFETCH(int, speed);
        QFETCH(CwWeight, weight);
        QFETCH(QString, expected);
        QCOMPARE(render(MorseTiming::steps(text, speed, weight).steps), expected);
    }

    void speedChangesStayAfterTheMessage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("endSpeed");
        QTest::newRow("> at 40 gives 45") << "E>" << 40 << 45;
        QTest::newRow("< at 20") << "<E" << 20 << 15;
        QTest::newRow("< stops at 5") << "<<<E" << 10 << 5;
    }
    void speedChangesStayAfterTheMessage() {
        QFETCH(QString, text);
        QFETCH(int, speed);
        QFETCH(int, endSpeed);
        const CwMessage m = MorseTiming::steps(text, speed, CwWeight::Even);
        QCOMPARE(m.endSpeed, endSpeed);
        for (const KeyStep& s : m.steps)
            QVERIFY(s.ms > 0);
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
        QTest::newRow("PageUp stays 40") << 40 << true << 40;
        QTest::newRow("PageUp 39 to 40") << 39 << true << 40;
        QTest::newRow("PageUp after > at 40") << 45 << true << 40;
        QTest::newRow("PageDown stays 10") << 10 << false << 10;
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
