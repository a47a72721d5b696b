#include "services/keyer/CwSender.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "rules/MorseTiming.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Line = FakeKeyLine::Line;
using namespace std::chrono;

QList<KeyStep> stepsFor(const QString& text) {
    return MorseTiming::steps(text, 30, CwWeight::Even).steps;
}

// A line change, "D1" (DTR on) or "R0" (RTS off), and its offset from RTS going on.
struct Edge {
    QString change;
    qint64 ms;
};

// What the line must do for `steps`: DTR on during each mark, RTS off after the whole.
QList<Edge> planned(const QList<KeyStep>& steps) {
    QList<Edge> out;
    bool keyed = false;
    qint64 offset = 0;
    for (const KeyStep& s : steps) {
        if (s.keyDown != keyed) {
            keyed = s.keyDown;
            out.append({QStringLiteral("D%1").arg(keyed), offset});
        }
        offset += s.ms;
    }
    out.append({"R0", offset});
    return out;
}

// The changes that changed a line after RTS went on; a change before it has the offset -1.
QList<Edge> sent(const QList<FakeKeyLine::Change>& changes) {
    bool dtr = false;
    bool rts = false;
    std::optional<steady_clock::time_point> rtsOn;
    QList<Edge> out;
    for (const FakeKeyLine::Change& c : changes) {
        bool& state = c.line == Line::Dtr ? dtr : rts;
        if (state == c.on)
            continue;
        state = c.on;
        if (c.line == Line::Rts && c.on && !rtsOn) {
            rtsOn = c.at;
            continue;
        }
        out.append({QString(c.line == Line::Dtr ? u'D' : u'R') + QString::number(c.on),
                    rtsOn ? duration_cast<milliseconds>(c.at - *rtsOn).count() : -1});
    }
    return out;
}

// The first `count` changes came in the planned order, none before its deadline.
void expectOnPlan(const QList<Edge>& actual, const QList<Edge>& plan, qsizetype count) {
    QVERIFY(count <= plan.size());
    for (qsizetype i = 0; i < count; ++i) {
        QCOMPARE(actual.at(i).change, plan.at(i).change);
        QVERIFY2(actual.at(i).ms >= plan.at(i).ms, qPrintable(actual.at(i).change));
    }
}

struct Sender {
    FakeKeyLine line;
    FakeRealtimePriority realtime;
    KeyPort port{line};
    CwSender sender{port, realtime};
};

// Starts a message and waits for its end as the entry model's event loop would.
KeyingResult sendWhole(CwSender& sender, int port, const QList<KeyStep>& steps) {
    QSignalSpy finished(&sender, &CwSender::finished);
    const KeyingResult started = sender.start(port, steps);
    if (started != KeyingResult::Started)
        return started;
    if (!finished.wait(10000))
        return KeyingResult::Busy;
    return finished.first().at(0).value<KeyingResult>();
}
} // namespace

class CwSenderTest : public QObject {
    Q_OBJECT
private slots:
    void keysDtrExactlyDuringMarks() {
        Sender k;
        QSignalSpy progress(&k.sender, &CwSender::progress);
        const QList<KeyStep> steps = stepsFor("ET E");
        QCOMPARE(sendWhole(k.sender, 3, steps), KeyingResult::Done);
        QVERIFY(!k.sender.isBusy());
        const QList<Edge> actual = sent(k.line.changes());
        QCOMPARE(actual.size(), planned(steps).size());
        expectOnPlan(actual, planned(steps), actual.size());
        QCOMPARE(progress.last().at(0).toInt(), 4);
    }

    void abortStopsAfterTheElementInProgress() {
        Sender k;
        const QList<KeyStep> steps = stepsFor("TEST TEST TEST");
        connect(&k.sender, &CwSender::progress, &k.sender, [&](int shown) {
            if (shown == 2)
                k.sender.abort();
        });
        QCOMPARE(sendWhole(k.sender, 3, steps), KeyingResult::Aborted);
        // The mark in progress ended no earlier than planned, then RTS went off at once.
        const QList<Edge> actual = sent(k.line.changes());
        QVERIFY(actual.size() >= 4);
        QCOMPARE(actual.last().change, "R0");
        expectOnPlan(actual, planned(steps), actual.size() - 1);
        QCOMPARE(actual.at(actual.size() - 2).change, "D0");
    }

    void portOpenedOnceReopenedForANewNumberOrRefused() {
        FakeKeyLine line;
        FakeRealtimePriority realtime;
        {
            KeyPort port(line);
            CwSender sender(port, realtime);
            QCOMPARE(sendWhole(sender, 3, stepsFor("E")), KeyingResult::Done);
            QCOMPARE(sendWhole(sender, 3, stepsFor("T")), KeyingResult::Done);
            QCOMPARE(line.openCalls(), QList<int>{3});
            QCOMPARE(line.closeCount(), 0);
            QCOMPARE(sendWhole(sender, 4, stepsFor("E")), KeyingResult::Done);
            QCOMPARE(line.openCalls(), (QList<int>{3, 4}));
            QCOMPARE(line.closeCount(), 1);
            line.clearChanges();
            line.setOpenFails(true);
            QCOMPARE(sendWhole(sender, 9, stepsFor("E")), KeyingResult::PortError);
            QVERIFY(line.changes().isEmpty());
            QVERIFY(!sender.isBusy());
        }
        QCOMPARE(line.closeCount(), 2);
    }

    void secondMessageRefusedWhileOneIsUnderWay() {
        Sender k;
        QSignalSpy finished(&k.sender, &CwSender::finished);
        QCOMPARE(k.sender.start(3, stepsFor("TEST")), KeyingResult::Started);
        QVERIFY(k.sender.isBusy());
        QCOMPARE(k.sender.start(3, stepsFor("E")), KeyingResult::Busy);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).value<KeyingResult>(), KeyingResult::Done);
        QVERIFY(!k.sender.isBusy());
    }
};

QTEST_GUILESS_MAIN(CwSenderTest)
#include "CwSenderTest.moc"
