#include "keyer/CwSender.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "keyer/MorseTiming.h"

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
    out.append({QStringLiteral("R0"), offset});
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
} // namespace

class CwSenderTest : public QObject {
    Q_OBJECT
private slots:
    void keysDtrExactlyDuringMarks() {
        const QString text = QStringLiteral("ET E");
        FakeKeyLine line;
        KeyPort port(line);
        CwSender sender(port, m_realtime);
        QSignalSpy progress(&sender, &CwSender::progress);
        const QList<KeyStep> steps = stepsFor(text);
        QCOMPARE(sender.send(3, steps), KeyingResult::Done);
        QVERIFY(!sender.isBusy());
        const QList<Edge> actual = sent(line.changes());
        QCOMPARE(actual.size(), planned(steps).size());
        expectOnPlan(actual, planned(steps), actual.size());
        QVERIFY(!line.dtr());
        QVERIFY(!line.rts());
        QCOMPARE(progress.last().at(0).toInt(), text.size());
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
        // The mark in progress ended no earlier than planned, then RTS went off at once.
        const QList<Edge> actual = sent(line.changes());
        QVERIFY(actual.size() >= 4);
        QCOMPARE(actual.last().change, QStringLiteral("R0"));
        expectOnPlan(actual, planned(steps), actual.size() - 1);
        QCOMPARE(actual.at(actual.size() - 2).change, QStringLiteral("D0"));
    }

    void portOpenedOnceReopenedForANewNumberOrRefused() {
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
            line.clearChanges();
            line.setOpenFails(true);
            QCOMPARE(sender.send(9, stepsFor(QStringLiteral("E"))), KeyingResult::PortError);
            QVERIFY(line.changes().isEmpty());
            QVERIFY(!sender.isBusy());
        }
        QCOMPARE(line.closeCount(), 2);
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

private:
    FakeRealtimePriority m_realtime;
};

QTEST_GUILESS_MAIN(CwSenderTest)
#include "CwSenderTest.moc"
