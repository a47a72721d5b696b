#include "keyer/RepeatPause.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <cmath>

std::chrono::milliseconds RepeatPause::pauseLength(const QString& text) {
    static const QRegularExpression leadingNumber(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch m = leadingNumber.match(text);
    const double seconds = m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
    return std::chrono::milliseconds(seconds > 0 ? std::llround(seconds * 1000.0) : 0);
}

RepeatPause::Outcome RepeatPause::wait(std::chrono::milliseconds pause) {
    emit waitStarted();
    if (!m_abort && !m_stop) {
        QEventLoop loop;
        QTimer::singleShot(pause, &loop, &QEventLoop::quit);
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    const Outcome outcome = takePending();
    emit waitEnded(outcome);
    return outcome;
}

RepeatPause::Outcome RepeatPause::run(std::chrono::milliseconds pause, const SendOnce& sendOnce) {
    for (;;) {
        const Outcome outcome = wait(pause);
        if (outcome != Outcome::Elapsed)
            return outcome;
        if (!sendOnce())
            return Outcome::Aborted;
    }
}

void RepeatPause::abort() {
    m_abort = true;
    if (m_loop)
        m_loop->quit();
}

void RepeatPause::stopRepeat() {
    m_stop = true;
    if (m_loop)
        m_loop->quit();
}

void RepeatPause::reset() {
    m_abort = false;
    m_stop = false;
}

RepeatPause::Outcome RepeatPause::takePending() {
    const Outcome outcome = m_abort  ? Outcome::Aborted
                            : m_stop ? Outcome::Stopped
                                     : Outcome::Elapsed;
    m_abort = false;
    m_stop = false;
    return outcome;
}
