#include "keyer/CwSender.h"

#include <QEventLoop>
#include <thread>

#ifdef Q_OS_UNIX
#include <pthread.h>
#include <sched.h>
#endif

namespace {
// Before a line change, sleeping ends this long before the deadline and the rest is spun: under
// load a sleeping thread can wake several milliseconds late, even with a real-time policy.
constexpr auto kSpinMargin = std::chrono::milliseconds(5);

// QThread's priorities stay within the normal policy on Unix, where they change nothing; a
// real-time policy is asked for where the system grants it, else the thread keeps its own.
void askForRealtimePriority() {
#ifdef Q_OS_UNIX
    const int low = sched_get_priority_min(SCHED_FIFO);
    const int high = sched_get_priority_max(SCHED_FIFO);
    sched_param param{};
    param.sched_priority = low + (high - low) / 2;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
#endif
}
} // namespace

CwSender::CwSender(KeyPort& port, QObject* parent) : QObject(parent), m_port(port) {}

CwSender::~CwSender() {
    abort();
    if (m_thread)
        m_thread->wait();
}

KeyingResult CwSender::start(int port, const QList<KeyStep>& steps) {
    if (m_busy)
        return KeyingResult::Busy;
    if (!m_port.ensureOpen(port))
        return KeyingResult::PortError;
    if (m_thread)
        m_thread->wait(); // the previous message's thread has already left play()
    m_busy = true;
    m_abort = false;
    m_thread.reset(QThread::create([this, steps] { play(steps); }));
    m_thread->start(QThread::TimeCriticalPriority);
    return KeyingResult::Started;
}

KeyingResult CwSender::send(int port, const QList<KeyStep>& steps) {
    const KeyingResult started = start(port, steps);
    if (started != KeyingResult::Started)
        return started;
    QEventLoop loop;
    KeyingResult result = KeyingResult::Done;
    connect(this, &CwSender::finished, &loop, [&](KeyingResult r) {
        result = r;
        loop.quit();
    });
    loop.exec();
    return result;
}

void CwSender::abort() {
    {
        std::lock_guard lock(m_mutex);
        m_abort = true;
    }
    m_wake.notify_all();
}

void CwSender::play(QList<KeyStep> steps) {
    askForRealtimePriority();
    KeyLine& line = m_port.line();
    line.setDtr(false);
    line.setRts(true);
    SteadyClock::time_point deadline = SteadyClock::now();
    bool keyed = false;
    int shown = 0;
    bool aborted = false;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const KeyStep& step = steps.at(i);
        if (m_abort) {
            aborted = true;
            break;
        }
        if (step.keyDown != keyed) {
            keyed = step.keyDown;
            line.setDtr(keyed);
        }
        if (step.shown != shown) {
            shown = step.shown;
            QMetaObject::invokeMethod(
                this, [this, shown] { emit progress(shown); }, Qt::QueuedConnection);
        }
        deadline += std::chrono::milliseconds(step.ms);
        // Only a line change needs the exact time; a mark is never cut short, a space ends at
        // once on abort.
        const bool lineChanges = i + 1 == steps.size() || steps.at(i + 1).keyDown != keyed;
        waitUntil(deadline, !step.keyDown, lineChanges);
    }
    line.setDtr(false);
    line.setRts(false);
    const KeyingResult result = aborted ? KeyingResult::Aborted : KeyingResult::Done;
    QMetaObject::invokeMethod(
        this, [this, result] { finish(result); }, Qt::QueuedConnection);
}

void CwSender::waitUntil(SteadyClock::time_point deadline, bool interruptible, bool exact) {
    const SteadyClock::time_point wake = exact ? deadline - kSpinMargin : deadline;
    if (interruptible) {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_until(lock, wake, [this] { return m_abort.load(); }))
            return;
    } else {
        std::this_thread::sleep_until(wake);
    }
    while (SteadyClock::now() < deadline) {
    }
}

void CwSender::finish(KeyingResult result) {
    m_busy = false;
    emit finished(result);
}
