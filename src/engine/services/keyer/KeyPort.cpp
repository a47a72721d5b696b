#include "services/keyer/KeyPort.h"

KeyPort::~KeyPort() {
    if (m_line.isOpen())
        m_line.close();
}

bool KeyPort::ensureOpen(int port) {
    if (m_line.isOpen() && m_port == port)
        return true;
    if (m_line.isOpen())
        m_line.close();
    if (!m_line.open(port))
        return false;
    m_port = port;
    m_line.setDtr(false);
    m_line.setRts(false);
    return true;
}
