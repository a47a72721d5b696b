#pragma once

#include "base/seams/RealtimePriority.h"
#include "rules/CwMessage.h"
#include "services/keyer/KeyPort.h"
#include "services/keyer/KeyingResult.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

// Plays a CW message on the key line from its own thread, against absolute deadlines of a
// steady clock, so neither rounding nor the caller's event processing adds up into drift.
// RTS is on for the whole message and DTR exactly during each mark; whatever ends a message
// leaves both lines off. Each message's thread asks `realtime` for real-time priority.
class CwSender : public QObject {
    Q_OBJECT
public:
    CwSender(KeyPort& port, RealtimePriority& realtime, QObject* parent = nullptr);
    /// Ends a message under way after the element in progress, both lines off.
    ~CwSender() override;

    /// Starts sending `steps` on port `port` and returns at once: Started (finished() follows),
    /// or PortError / Busy with nothing sent.
    KeyingResult start(int port, const QList<KeyStep>& steps);
    /// End or Escape: the message stops after the element in progress.
    void abort();
    /// True from start() until finished() has been emitted.
    bool isBusy() const { return m_busy; }

signals:
    /// The first `shown` characters of the message text have been sent.
    void progress(int shown);
    void finished(KeyingResult result);

private:
    using SteadyClock = std::chrono::steady_clock;

    void play(const QList<KeyStep>& steps);
    void waitUntil(SteadyClock::time_point deadline, bool interruptible,
                   SteadyClock::duration spin);
    void finish(KeyingResult result);

    KeyPort& m_port;
    RealtimePriority& m_realtime;
    std::unique_ptr<QThread> m_thread;
    bool m_busy = false;
    std::atomic<bool> m_abort = false;
    std::mutex m_mutex;
    std::condition_variable m_wake;
};
