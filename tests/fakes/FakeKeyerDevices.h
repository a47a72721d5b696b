#pragma once

#include "keyer/CwKeyer.h"
#include "seams/KeyerDevices.h"

#include <QStringList>
#include <QTimer>

// A keyer that records the texts it was given; a message ends when the test says so, or at
// abort(), from the event loop as a real keyer's does.
class FakeCwKeyer : public CwKeyer {
public:
    KeyingResult start(const QString& text, int) override {
        if (m_busy)
            return KeyingResult::Busy;
        m_busy = true;
        texts << text;
        return KeyingResult::Started;
    }
    void abort() override { end(KeyingResult::Aborted); }
    bool isBusy() const override { return m_busy; }
    void end(KeyingResult result) {
        if (m_busy)
            QTimer::singleShot(0, this, [this, result] {
                m_busy = false;
                emit finished(result);
            });
    }

    QStringList texts;

private:
    bool m_busy = false;
};

// Makes fake keyers, naming each by its device: "winkeyer /dev/ttyUSB0", "cwdaemon host:6789".
class FakeKeyerDevices : public KeyerDevices {
public:
    std::unique_ptr<CwKeyer> winKeyer(const QString& device) override {
        return make(QStringLiteral("winkeyer ") + device);
    }
    std::unique_ptr<CwKeyer> cwDaemon(const QString& host, quint16 port) override {
        return make(QStringLiteral("cwdaemon %1:%2").arg(host).arg(port));
    }

    QStringList names;
    QList<FakeCwKeyer*> made; // owned by whoever asked for them

private:
    std::unique_ptr<CwKeyer> make(const QString& name) {
        auto keyer = std::make_unique<FakeCwKeyer>();
        names << name;
        made << keyer.get();
        return keyer;
    }
};
