#include "services/keyer/RepeatPause.h"

#include <QRegularExpression>
#include <cmath>
#include <utility>

RepeatPause::RepeatPause(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RepeatPause::end);
}

std::chrono::milliseconds RepeatPause::pauseLength(const QString& text) {
    static const QRegularExpression leadingNumber(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch m = leadingNumber.match(text);
    const double seconds = m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
    return std::chrono::milliseconds(seconds > 0 ? std::llround(seconds * 1000.0) : 0);
}

void RepeatPause::wait(std::chrono::milliseconds pause, Done done) {
    m_done = std::move(done);
    m_waiting = true;
    emit waitStarted();
    // A pending abort or stop ends the pause at once, from the event loop as any other end.
    m_timer.start(m_abort || m_stop ? std::chrono::milliseconds(0) : pause);
}

void RepeatPause::abort() {
    m_abort = true;
    if (isWaiting())
        m_timer.start(0);
}

void RepeatPause::stopRepeat() {
    m_stop = true;
    if (isWaiting())
        m_timer.start(0);
}

void RepeatPause::reset() {
    m_abort = false;
    m_stop = false;
}

void RepeatPause::end() {
    const PauseEnd outcome = m_abort  ? PauseEnd::Aborted
                             : m_stop ? PauseEnd::Stopped
                                      : PauseEnd::Elapsed;
    reset();
    m_waiting = false;
    const Done done = std::exchange(m_done, {});
    if (done)
        done(outcome);
}
