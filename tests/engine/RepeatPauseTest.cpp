#include "services/keyer/RepeatPause.h"
#include "ExpectedFile.h"

#include <QTest>
#include <optional>

using PauseEnd = RepeatPause::PauseEnd;
using std::chrono::milliseconds;

class RepeatPauseTest : public QObject {
    Q_OBJECT
private slots:
    void pauseLength() {
        QVERIFY(answersAsExpected("data/tables/pauses.txt", [](const QString& row) {
            const QString typed = row.section(QStringLiteral(": "), -1).chopped(1);
            return QString::number(RepeatPause::pauseLength(typed).count());
        }));
    }

    void keysEndALongWaitEarly_data() {
        QTest::addColumn<bool>("typing");
        QTest::addColumn<PauseEnd>("outcome");
        QTest::newRow("End or Escape") << false << PauseEnd::Aborted;
        QTest::newRow("typing") << true << PauseEnd::Stopped;
    }
    void keysEndALongWaitEarly() {
        QFETCH(bool, typing);
        QFETCH(PauseEnd, outcome);
        RepeatPause pause;
        std::optional<PauseEnd> ended;
        pause.wait(std::chrono::hours(1), [&ended](PauseEnd o) { ended = o; });
        QVERIFY(pause.isWaiting());
        typing ? pause.stopRepeat() : pause.abort();
        QTRY_VERIFY_WITH_TIMEOUT(ended.has_value(), 1000);
        QCOMPARE(*ended, outcome);
        QVERIFY(!pause.isWaiting());
    }

    // A key typed while a message was under way ends the next pause at once, and only that one.
    void keyDuringAMessageEndsTheNextPause() {
        RepeatPause pause;
        QList<PauseEnd> outcomes;
        pause.stopRepeat();
        pause.wait(std::chrono::hours(1), [&](PauseEnd o) { outcomes << o; });
        QTRY_COMPARE(outcomes, QList<PauseEnd>{PauseEnd::Stopped});
        pause.wait(milliseconds(0), [&](PauseEnd o) { outcomes << o; });
        QTRY_COMPARE(outcomes, (QList<PauseEnd>{PauseEnd::Stopped, PauseEnd::Elapsed}));
    }
};

QTEST_GUILESS_MAIN(RepeatPauseTest)
#include "RepeatPauseTest.moc"
