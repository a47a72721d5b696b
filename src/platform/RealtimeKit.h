#pragma once

// RealtimeKit (org.freedesktop.RealtimeKit1 on the system D-Bus): the service through which
// desktop sound servers get real-time priority for an ordinary user's threads.
namespace RealtimeKit {
/// Asks the service to make the calling thread real-time at the highest priority it allows (its
/// MaxRealtimePriority); false when the service is absent or refuses.
bool makeCurrentThreadRealtime();
} // namespace RealtimeKit
