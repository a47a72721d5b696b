#include "services/keyer/CwSender.h"

#include <thread>

namespace {
using namespace std::chrono_literals;

// Before a line change, sleeping ends this long before the deadline and the rest is spun: a
// sleeping thread can wake late. A real-time thread keeps the processor while it spins; an
// ordinary one that spins long is preempted by other programs and would wake later still.
constexpr auto kSpinRealtime = 5ms;
constexpr auto kSpinOrdinary = 1ms;
} // namespace

CwSender::CwSender(KeyPort& port, RealtimePriority& realtime, QObject* parent)
    : QObject(parent), m_port(port), m_realtime(realtime) {}

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

void CwSender::abort() {
    {
        std::lock_guard lock(m_mutex);
        m_abort = true;
    }
    m_wake.notify_all();
}

void CwSender::play(const QList<KeyStep>& steps) {
    const SteadyClock::duration spin =
        m_realtime.raiseCurrentThread() == RealtimePriority::Way::None
            ? SteadyClock::duration(kSpinOrdinary)
            : SteadyClock::duration(kSpinRealtime);
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
        waitUntil(deadline, !step.keyDown, lineChanges ? spin : SteadyClock::duration::zero());
    }
    line.setDtr(false);
    line.setRts(false);
    const KeyingResult result = aborted ? KeyingResult::Aborted : KeyingResult::Done;
    QMetaObject::invokeMethod(
        this, [this, result] { finish(result); }, Qt::QueuedConnection);
}

void CwSender::waitUntil(SteadyClock::time_point deadline, bool interruptible,
                         SteadyClock::duration spin) {
    const SteadyClock::time_point wake = deadline - spin;
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
