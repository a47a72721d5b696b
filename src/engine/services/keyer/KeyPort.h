#pragma once

#include "base/seams/KeyLine.h"

// Keeps the serial port open between messages: opening it raises DTR and RTS for a moment on
// some systems, which would key the transmitter before every message.
class KeyPort {
public:
    explicit KeyPort(KeyLine& line) : m_line(line) {}
    ~KeyPort();
    KeyPort(const KeyPort&) = delete;
    KeyPort& operator=(const KeyPort&) = delete;

    /// Opens port `port` when first needed or when the number changed, both lines off;
    /// false when the port is invalid or absent.
    bool ensureOpen(int port);
    KeyLine& line() { return m_line; }

private:
    KeyLine& m_line;
    int m_port = 0;
};
