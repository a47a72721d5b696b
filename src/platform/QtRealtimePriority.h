#pragma once

#include "base/seams/RealtimePriority.h"

#include <optional>

// Real-time priority on Linux: the system's FIFO policy where the user may have it (root,
// CAP_SYS_NICE, an rtprio limit), else RealtimeKit; without either, the thread only narrows its
// timer slack, and the sender wakes shortly before each deadline.
class QtRealtimePriority : public RealtimePriority {
public:
    enum Ways { SystemPolicy = 1, RealtimeKitService = 2, AllWays = 3 };
    /// `ways` limits what is tried (the benchmark measures each way alone).
    explicit QtRealtimePriority(int ways = AllWays) : m_ways(ways) {}

    Way raiseCurrentThread() override;
    Way available() override;

private:
    int m_ways;
    std::optional<Way> m_available;
};
