#include "platform/QtRealtimePriority.h"

#include "platform/RealtimeKit.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <thread>

namespace {
// Half way up the FIFO range: above every ordinary thread, below the kernel's own.
int wantedPriority() {
    const int low = sched_get_priority_min(SCHED_FIFO);
    return low + (sched_get_priority_max(SCHED_FIFO) - low) / 2;
}

bool setFifo(int priority) {
    sched_param param{};
    param.sched_priority = priority;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

// An rtprio limit (as audio groups get) may allow less than the wanted priority.
bool setFifoWithinLimit() {
    if (setFifo(wantedPriority()))
        return true;
    rlimit limit{};
    return getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur > 0 &&
           setFifo(static_cast<int>(limit.rlim_cur));
}
} // namespace

RealtimePriority::Way QtRealtimePriority::raiseCurrentThread() {
    if ((m_ways & SystemPolicy) && setFifoWithinLimit())
        return Way::Granted;
    if ((m_ways & RealtimeKitService) && RealtimeKit::makeCurrentThreadRealtime())
        return Way::RealtimeKit;
    // An ordinary thread's sleeps may end up to 50 us late by default, on top of the scheduler.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    return Way::None;
}

RealtimePriority::Way QtRealtimePriority::available() {
    if (!m_available) {
        Way way = Way::None;
        std::thread probe([&] { way = raiseCurrentThread(); });
        probe.join();
        m_available = way;
    }
    return *m_available;
}
