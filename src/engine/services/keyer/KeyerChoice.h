#pragma once

#include "base/Outcome.h"
#include "base/RadioSettings.h"
#include "services/keyer/CwKeyer.h"
#include "services/keyer/KeyPort.h"
#include "services/keyer/SerialLineKeyer.h"

#include <memory>

class KeyLine;
class KeyerDevices;
class RealtimePriority;

// The keyer the operator chose, behind the one keyer the QSO screen keys through. The serial
// line is the default and the fall-back; its port is the one voice messages key RTS on.
class KeyerChoice : public CwKeyer {
    Q_OBJECT
public:
    KeyerChoice(KeyLine& line, RealtimePriority& realtime, std::function<int()> portNumber,
                KeyerDevices& devices, QObject* parent = nullptr);
    ~KeyerChoice() override;

    /// Keys the following messages with what `settings` choose; `radioCat` is the radio's own
    /// keyer, null without rig control. A message under way is aborted first. The notice to show
    /// when the choice cannot be used and the serial line keys instead; empty otherwise.
    QString choose(const RadioSettings& settings, CwKeyer* radioCat);
    /// The serial port of the serial line, kept open between messages.
    KeyPort& port() { return m_port; }

    KeyingResult start(const QString& text, int wpm) override;
    void abort() override;
    bool isBusy() const override { return m_sending != nullptr; }
    void setWeight(CwWeight weight) override;
    QString unreachable() const override { return m_current->unreachable(); }

private:
    void forward(CwKeyer* keyer);
    void keyerFinished(CwKeyer* keyer, KeyingResult result);
    /// The WinKeyer or cwdaemon keyer `settings` choose, the one in use when it is the same; the
    /// notice for the operator when the settings name no device.
    Outcome<CwKeyer*> device(const RadioSettings& settings);

    KeyPort m_port;
    SerialLineKeyer m_serialLine;
    KeyerDevices& m_devices;
    std::unique_ptr<CwKeyer> m_device;   // the WinKeyer or cwdaemon keyer chosen
    RadioSettings m_deviceSettings;      // what m_device was made for
    std::unique_ptr<CwKeyer> m_retiring; // a replaced device keyer ending its aborted message
    CwKeyer* m_radioCat = nullptr;
    CwKeyer* m_current = &m_serialLine;
    CwKeyer* m_sending = nullptr; // the keyer whose message is under way
    CwWeight m_weight = CwWeight::Even;
};
