#include "keyer/CwSender.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "keyer/MorseTiming.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Line = FakeKeyLine::Line;
using std::chrono::milliseconds;

QList<KeyStep> stepsFor(const QString& text) {
    return MorseTiming::steps(text, 30, CwWeight::Even).steps;
}

// The line changes that changed a state, as "R1 D1 D0 ... R0".
QString lineHistory(const QList<FakeKeyLine::Change>& changes) {
    bool dtr = false;
    bool rts = false;
    QStringList out;
    for (const FakeKeyLine::Change& c : changes) {
        bool& state = c.line == Line::Dtr ? dtr : rts;
        if (state == c.on)
            continue;
        state = c.on;
        out << (c.line == Line::Dtr ? QStringLiteral("D") : QStringLiteral("R")) +
                   QString::number(c.on);
    }
    return out.join(QLatin1Char(' '));
}

// What the line must do for `steps`: RTS around the whole, DTR on during each mark.
QString expectedHistory(const QList<KeyStep>& steps) {
    QStringList out{QStringLiteral("R1")};
    bool keyed = false;
    for (const KeyStep& s : steps)
        if (s.keyDown != keyed) {
            keyed = s.keyDown;
            out << QStringLiteral("D") + QString::number(keyed);
        }
    out << QStringLiteral("R0");
    return out.join(QLatin1Char(' '));
}

// The key-line changes of one message, each with the offset at which its interval starts.
struct Scheduled {
    bool on;
    int offsetMs;
};
QList<Scheduled> schedule(const QList<KeyStep>& steps) {
    QList<Scheduled> out;
    bool keyed = false;
    int offset = 0;
    for (const KeyStep& s : steps) {
        if (s.keyDown != keyed) {
            keyed = s.keyDown;
            out.append({keyed, offset});
        }
        offset += s.ms;
    }
    return out;
}
} // namespace

class CwSenderTest : public QObject {
    Q_OBJECT
private slots:
    void keysDtrExactlyDuringMarks_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("CQ TEST") << "CQ TEST";
        QTest::newRow("empty text: RTS and a word space") << "";
    }
    void keysDtrExactlyDuringMarks() {
        QFETCH(QString, text);
        FakeKeyLine line;
        KeyPort port(line);
        CwSender sender(port, m_realtime);
        QSignalSpy progress(&sender, &CwSender::progress);
        const QList<KeyStep> steps = stepsFor(text);
        QCOMPARE(sender.send(3, steps), KeyingResult::Done);
        QVERIFY(!sender.isBusy());
        const QList<FakeKeyLine::Change> changes = line.changes();
        QCOMPARE(lineHistory(changes), expectedHistory(steps));
        QVERIFY(!line.dtr());
        QVERIFY(!line.rts());
        if (!text.isEmpty())
            QCOMPARE(progress.last().at(0).toInt(), text.size());

        // Deadlines are absolute: no change comes before its scheduled offset from RTS on.
        auto rtsOn = changes.end();
        for (auto it = changes.begin(); it != changes.end(); ++it)
            if (it->line == Line::Rts && it->on) {
                rtsOn = it;
                break;
            }
        QVERIFY(rtsOn != changes.end());
        QList<FakeKeyLine::Change> dtrChanges;
        for (auto it = rtsOn + 1; it != changes.end(); ++it)
            if (it->line == Line::Dtr)
                dtrChanges.append(*it);
        // The sender drives DTR off once more at the end, whatever ended the message.
        const QList<Scheduled> planned = schedule(steps);
        QCOMPARE(dtrChanges.size(), planned.size() + 1);
        QVERIFY(!dtrChanges.last().on);
        for (qsizetype i = 0; i < planned.size(); ++i) {
            QCOMPARE(dtrChanges.at(i).on, planned.at(i).on);
            QVERIFY(dtrChanges.at(i).at - rtsOn->at >= milliseconds(planned.at(i).offsetMs));
        }
        QVERIFY(changes.last().at - rtsOn->at >=
                milliseconds(MorseTiming::steps(text, 30, CwWeight::Even).totalMs()));
    }

    void portOpenedOnceAndReopenedForANewNumber() {
        FakeKeyLine line;
        {
            KeyPort port(line);
            CwSender sender(port, m_realtime);
            QCOMPARE(sender.send(3, stepsFor(QStringLiteral("E"))), KeyingResult::Done);
            QCOMPARE(sender.send(3, stepsFor(QStringLiteral("T"))), KeyingResult::Done);
            QCOMPARE(line.openCalls(), QList<int>{3});
            QCOMPARE(line.closeCount(), 0);
            QCOMPARE(sender.send(4, stepsFor(QStringLiteral("E"))), KeyingResult::Done);
            QCOMPARE(line.openCalls(), (QList<int>{3, 4}));
            QCOMPARE(line.closeCount(), 1);
        }
        QCOMPARE(line.closeCount(), 2);
    }

    void openFailureKeysNothing() {
        FakeKeyLine line;
        line.setOpenFails(true);
        KeyPort port(line);
        CwSender sender(port, m_realtime);
        QCOMPARE(sender.send(9, stepsFor(QStringLiteral("TEST"))), KeyingResult::PortError);
        QVERIFY(line.changes().isEmpty());
        QVERIFY(!sender.isBusy());
    }

    void secondMessageRefusedWhileOneIsUnderWay() {
        FakeKeyLine line;
        KeyPort port(line);
        CwSender sender(port, m_realtime);
        QSignalSpy finished(&sender, &CwSender::finished);
        QCOMPARE(sender.start(3, stepsFor(QStringLiteral("TEST"))), KeyingResult::Started);
        QVERIFY(sender.isBusy());
        QCOMPARE(sender.send(3, stepsFor(QStringLiteral("E"))), KeyingResult::Busy);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).value<KeyingResult>(), KeyingResult::Done);
        QVERIFY(!sender.isBusy());
    }

    void abortStopsAfterTheElementInProgress() {
        FakeKeyLine line;
        KeyPort port(line);
        CwSender sender(port, m_realtime);
        const QList<KeyStep> steps = stepsFor(QStringLiteral("TEST TEST TEST"));
        connect(&sender, &CwSender::progress, &sender, [&](int shown) {
            if (shown == 2)
                sender.abort();
        });
        QCOMPARE(sender.send(3, steps), KeyingResult::Aborted);
        QVERIFY(!line.dtr());
        QVERIFY(!line.rts());
        const QString history = lineHistory(line.changes());
        QVERIFY(history.endsWith(QStringLiteral("D0 R0")));
        QVERIFY(history.size() < expectedHistory(steps).size());

        // The last mark was not cut short: the key went off no earlier than its scheduled end.
        const QList<FakeKeyLine::Change> changes = line.changes();
        qsizetype rtsOn = -1;
        qsizetype lastOn = -1;
        qsizetype marks = 0;
        for (qsizetype i = 0; i < changes.size(); ++i) {
            const FakeKeyLine::Change& c = changes.at(i);
            if (c.line == Line::Rts && c.on && rtsOn < 0)
                rtsOn = i;
            if (c.line == Line::Dtr && c.on) {
                lastOn = i;
                ++marks;
            }
        }
        QVERIFY(marks >= 2);
        const Scheduled markEnd = schedule(steps).at(2 * marks - 1);
        QVERIFY(!markEnd.on);
        QVERIFY(changes.at(lastOn + 1).at - changes.at(rtsOn).at >= milliseconds(markEnd.offsetMs));
    }

private:
    FakeRealtimePriority m_realtime;
};

QTEST_GUILESS_MAIN(CwSenderTest)
#include "CwSenderTest.moc"
