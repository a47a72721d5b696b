#include "services/keyer/SerialLineKeyer.h"

#include "rules/MorseTiming.h"

SerialLineKeyer::SerialLineKeyer(KeyPort& port, RealtimePriority& realtime,
                                 std::function<int()> portNumber, QObject* parent)
    : CwKeyer(parent), m_sender(port, realtime), m_portNumber(std::move(portNumber)) {
    connect(&m_sender, &CwSender::progress, this, &CwKeyer::progress);
    connect(&m_sender, &CwSender::finished, this, &CwKeyer::finished);
}

KeyingResult SerialLineKeyer::start(const QString& text, int wpm) {
    return m_sender.start(m_portNumber(), MorseTiming::steps(text, wpm, m_weight).steps);
}
