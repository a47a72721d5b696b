#include "keyer/RepeatPause.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using Outcome = RepeatPause::Outcome;
using std::chrono::milliseconds;

class RepeatPauseTest : public QObject {
    Q_OBJECT
private slots:
    void pauseLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::newRow("blanks and a fraction") << " 2.5 " << 2500;
        QTest::newRow("comma ends the number") << "2,5" << 2000;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("negative") << "-2" << 0;
    }
    void pauseLength() {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QCOMPARE(RepeatPause::pauseLength(text), milliseconds(ms));
    }

    void keysEndALongWaitEarly_data() {
        QTest::addColumn<bool>("typing");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("End or Escape") << false << Outcome::Aborted;
        QTest::newRow("typing") << true << Outcome::Stopped;
    }
    void keysEndALongWaitEarly() {
        QFETCH(bool, typing);
        QFETCH(Outcome, outcome);
        RepeatPause pause;
        QSignalSpy started(&pause, &RepeatPause::waitStarted);
        QTimer::singleShot(0, &pause, [&] { typing ? pause.stopRepeat() : pause.abort(); });
        QCOMPARE(pause.wait(std::chrono::hours(1)), outcome);
        QCOMPARE(started.size(), 1);
    }

    void keyDuringAMessageEndsTheNextWait() {
        RepeatPause pause;
        int sent = 0;
        const Outcome outcome = pause.run(milliseconds(0), [&] {
            if (++sent == 2)
                pause.stopRepeat(); // typed while the second message was under way
            return true;
        });
        QCOMPARE(outcome, Outcome::Stopped);
        QCOMPARE(sent, 2);
        QCOMPARE(pause.wait(milliseconds(0)), Outcome::Elapsed);
    }

    void abortedMessageEndsTheRepeat() {
        RepeatPause pause;
        QSignalSpy ended(&pause, &RepeatPause::waitEnded);
        int sent = 0;
        QCOMPARE(pause.run(milliseconds(0), [&] { return ++sent < 3; }), Outcome::Aborted);
        QCOMPARE(sent, 3);
        QCOMPARE(ended.size(), 3);
    }
};

QTEST_GUILESS_MAIN(RepeatPauseTest)
#include "RepeatPauseTest.moc"
