#pragma once

#include "services/keyer/CwKeyer.h"
#include "services/keyer/CwSender.h"

#include <functional>

class KeyPort;
class RealtimePriority;

// Keys CW on the serial port's DTR line, RTS for transmit, timed by the program itself.
class SerialLineKeyer : public CwKeyer {
    Q_OBJECT
public:
    /// `portNumber` answers the port of the set-up at the moment a message starts.
    SerialLineKeyer(KeyPort& port, RealtimePriority& realtime, std::function<int()> portNumber,
                    QObject* parent = nullptr);

    KeyingResult start(const QString& text, int wpm) override;
    void abort() override { m_sender.abort(); }
    bool isBusy() const override { return m_sender.isBusy(); }
    void setWeight(CwWeight weight) override { m_weight = weight; }

private:
    CwSender m_sender;
    std::function<int()> m_portNumber;
    CwWeight m_weight = CwWeight::Even;
};
