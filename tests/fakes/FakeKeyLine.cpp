#include "fakes/FakeKeyLine.h"

bool FakeKeyLine::open(int port) {
    std::lock_guard lock(m_mutex);
    m_openCalls.append(port);
    m_open = !m_openFails;
    return m_open;
}

bool FakeKeyLine::isOpen() const {
    std::lock_guard lock(m_mutex);
    return m_open;
}

void FakeKeyLine::setDtr(bool on) {
    record(Line::Dtr, on);
}

void FakeKeyLine::setRts(bool on) {
    record(Line::Rts, on);
}

void FakeKeyLine::close() {
    std::lock_guard lock(m_mutex);
    m_open = false;
    m_dtr = false;
    m_rts = false;
    ++m_closeCount;
}

QString FakeKeyLine::deviceFor(int port) const {
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
}

void FakeKeyLine::setOpenFails(bool fails) {
    std::lock_guard lock(m_mutex);
    m_openFails = fails;
}

QList<FakeKeyLine::Change> FakeKeyLine::changes() const {
    std::lock_guard lock(m_mutex);
    return m_changes;
}

QList<bool> FakeKeyLine::states(Line line) const {
    std::lock_guard lock(m_mutex);
    QList<bool> result;
    for (const Change& c : m_changes)
        if (c.line == line)
            result.append(c.on);
    return result;
}

QList<int> FakeKeyLine::openCalls() const {
    std::lock_guard lock(m_mutex);
    return m_openCalls;
}

int FakeKeyLine::closeCount() const {
    std::lock_guard lock(m_mutex);
    return m_closeCount;
}

bool FakeKeyLine::dtr() const {
    std::lock_guard lock(m_mutex);
    return m_dtr;
}

bool FakeKeyLine::rts() const {
    std::lock_guard lock(m_mutex);
    return m_rts;
}

void FakeKeyLine::clearChanges() {
    std::lock_guard lock(m_mutex);
    m_changes.clear();
}

void FakeKeyLine::record(Line line, bool on) {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(m_mutex);
    (line == Line::Dtr ? m_dtr : m_rts) = on;
    m_changes.append({line, on, now});
}
