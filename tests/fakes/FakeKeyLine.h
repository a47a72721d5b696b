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

    bool open(int port) override;
    bool isOpen() const override;
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void close() override;
    QString deviceFor(int port) const override;

    /// Makes every following open() fail, as for an invalid port.
    void setOpenFails(bool fails);
    QList<Change> changes() const;
    /// The states `line` was set to, in order.
    QList<bool> states(Line line) const;
    QList<int> openCalls() const;
    int closeCount() const;
    bool dtr() const;
    bool rts() const;
    /// Forgets the changes recorded so far.
    void clearChanges();

private:
    void record(Line line, bool on);

    mutable std::mutex m_mutex;
    bool m_openFails = false;
    bool m_open = false;
    bool m_dtr = false;
    bool m_rts = false;
    QList<Change> m_changes;
    QList<int> m_openCalls;
    int m_closeCount = 0;
};
