#include "services/keyer/RigCwKeyer.h"

#include "rules/MorseTiming.h"
#include "services/radio/RigLink.h"

#include <QPointer>

#include <algorithm>

RigCwKeyer::RigCwKeyer(RigLink& rig, QObject* parent) : CwKeyer(parent), m_rig(rig) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RigCwKeyer::runDueEvents);
}

KeyingResult RigCwKeyer::start(const QString& text, int wpm) {
    if (m_busy)
        return KeyingResult::Busy;
    if (!m_rig.answering())
        return KeyingResult::PortError;
    m_busy = true;
    ++m_message;
    plan(text, wpm);
    m_nextEvent = 0;
    m_clock.start();
    runDueEvents(); // the first part leaves at once
    return KeyingResult::Started;
}

void RigCwKeyer::plan(const QString& text, int wpm) {
    // When each character begins, by the serial line's timing of the whole message.
    const CwMessage whole = MorseTiming::steps(text, wpm, CwWeight::Even);
    QList<int> begins(text.size() + 1, whole.totalMs());
    int at = 0;
    int shown = 0;
    for (const KeyStep& s : whole.steps) {
        for (; shown < s.shown && shown < text.size(); ++shown)
            begins[shown] = at;
        at += s.ms;
    }
    m_events.clear();
    qsizetype partStart = 0;
    int partSpeed = wpm;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool speedSign = i < text.size() && (text[i] == u'>' || text[i] == u'<');
        if (i == text.size() || speedSign) {
            const QString part = text.mid(partStart, i - partStart);
            m_events.append(
                {begins[partStart], [this, part, partSpeed] { sendPart(part, partSpeed); }});
            partStart = i + 1;
            partSpeed = MorseTiming::steps(text.left(i + 1), wpm, CwWeight::Even).endSpeed;
        }
        if (i < text.size())
            m_events.append({begins[i], [this, shown = int(i + 1)] { emit progress(shown); }});
    }
    m_events.append({whole.totalMs(), [this] { finish(KeyingResult::Done); }});
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const Event& a, const Event& b) { return a.atMs < b.atMs; });
}

void RigCwKeyer::sendPart(const QString& text, int wpm) {
    QString morse = text;
    morse.remove(u'~'); // a half space is not a character the radio's keyer knows
    if (morse.trimmed().isEmpty())
        return;
    const QPointer<RigCwKeyer> self(this);
    const int message = m_message;
    m_rig.request(
        [morse, wpm](Rig& rig) {
            // A radio without a settable keyer speed still sends at its own.
            (void)rig.setKeyerSpeed(wpm);
            return rig.sendMorse(morse);
        },
        [self, message](const Outcome<void>& sent) {
            if (!sent && self && self->m_busy && self->m_message == message)
                self->finish(KeyingResult::PortError);
        });
}

void RigCwKeyer::runDueEvents() {
    while (m_busy && m_nextEvent < m_events.size() &&
           m_events[m_nextEvent].atMs <= m_clock.elapsed())
        m_events[m_nextEvent++].run();
    // Against the message's own start, so that late timer events never add up.
    if (m_busy && m_nextEvent < m_events.size())
        m_timer.start(int(std::max<qint64>(0, m_events[m_nextEvent].atMs - m_clock.elapsed())));
}

void RigCwKeyer::abort() {
    if (!m_busy)
        return;
    m_timer.stop();
    m_events.clear();
    m_rig.request([](Rig& rig) { return rig.stopMorse(); });
    // As the other keyers do: finished() comes as an event, not inside abort().
    QMetaObject::invokeMethod(
        this,
        [this, message = m_message] {
            if (m_busy && m_message == message)
                finish(KeyingResult::Aborted);
        },
        Qt::QueuedConnection);
}

void RigCwKeyer::finish(KeyingResult result) {
    m_timer.stop();
    m_busy = false;
    emit finished(result);
}
