#pragma once

// Real-time scheduling for the CW sender's thread, so a busy PC cannot delay a line change.
class RealtimePriority {
public:
    /// How a thread got its timing: the system's real-time policy, RealtimeKit, or neither.
    enum class Way { Granted, RealtimeKit, None };

    virtual ~RealtimePriority() = default;
    /// Raises the calling thread to real-time priority where the system allows it.
    virtual Way raiseCurrentThread() = 0;
    /// The way a sender thread would get, asked once on a thread of its own and remembered.
    virtual Way available() = 0;
};
