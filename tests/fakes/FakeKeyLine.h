#pragma once

#include "base/seams/KeyLine.h"

#include <QList>
#include <chrono>
#include <mutex>

// Records every open, close and line change with the time of a steady clock. Thread-safe: the
// CW sender drives the lines from its own thread.
class FakeKeyLine : public KeyLine {
public:
    enum class Line { Dtr, Rts };
    struct Change {
        Line line;
        bool on;
        std::chrono::steady_clock::time_point at;
    };

    bool open(int port) override {
        std::lock_guard lock(m_mutex);
        m_openCalls.append(port);
        m_open = !m_openFails;
        return m_open;
    }
    bool isOpen() const override { return locked(m_open); }
    void setDtr(bool on) override { record(Line::Dtr, on); }
    void setRts(bool on) override { record(Line::Rts, on); }
    void close() override {
        std::lock_guard lock(m_mutex);
        m_open = m_dtr = m_rts = false;
        ++m_closeCount;
    }
    QString deviceFor(int port) const override {
        return QStringLiteral("/dev/ttyS%1").arg(port - 1);
    }

    /// Makes every following open() fail, as for an invalid port.
    void setOpenFails(bool fails) {
        std::lock_guard lock(m_mutex);
        m_openFails = fails;
    }
    QList<Change> changes() const { return locked(m_changes); }
    /// The states `line` was set to, in order.
    QList<bool> states(Line line) const {
        QList<bool> result;
        for (const Change& c : changes())
            if (c.line == line)
                result.append(c.on);
        return result;
    }
    QList<int> openCalls() const { return locked(m_openCalls); }
    int closeCount() const { return locked(m_closeCount); }
    bool dtr() const { return locked(m_dtr); }
    bool rts() const { return locked(m_rts); }
    /// Forgets the changes recorded so far.
    void clearChanges() {
        std::lock_guard lock(m_mutex);
        m_changes.clear();
    }

private:
    /// A copy of `value` taken under the lock.
    template <typename T> T locked(const T& value) const {
        std::lock_guard lock(m_mutex);
        return value;
    }
    void record(Line line, bool on) {
        const auto now = std::chrono::steady_clock::now();
        std::lock_guard lock(m_mutex);
        (line == Line::Dtr ? m_dtr : m_rts) = on;
        m_changes.append({line, on, now});
    }

    mutable std::mutex m_mutex;
    bool m_openFails = false;
    bool m_open = false;
    bool m_dtr = false;
    bool m_rts = false;
    QList<Change> m_changes;
    QList<int> m_openCalls;
    int m_closeCount = 0;
};
