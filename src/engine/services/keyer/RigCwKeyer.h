#pragma once

#include "services/keyer/CwKeyer.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <functional>

class RigLink;

// Keys CW through the radio's own keyer by CAT. The text goes to the radio in parts, one per
// speed sign (">" or "<"), each after the keyer speed is set; the part is handed over when the
// Morse before it is due to have ended. When the message ends is reckoned from its Morse length
// by the serial line's timing: Hamlib's rig_wait_morse only watches the PTT, which few radios
// report during break-in, so it cannot tell either.
class RigCwKeyer : public CwKeyer {
    Q_OBJECT
public:
    explicit RigCwKeyer(RigLink& rig, QObject* parent = nullptr);

    /// PortError while the radio does not answer.
    KeyingResult start(const QString& text, int wpm) override;
    /// Asks the radio to stop (rig_stop_morse, where it has it) and ends the message at once.
    void abort() override;
    bool isBusy() const override { return m_busy; }
    QString unreachable() const override {
        return Keying::unreachable(QStringLiteral("Radioul (CW prin CAT)"));
    }

private:
    /// Something to do `atMs` after the start.
    struct Event {
        int atMs = 0;
        std::function<void()> run;
    };

    void plan(const QString& text, int wpm);
    void sendPart(const QString& text, int wpm);
    void runDueEvents();
    void finish(KeyingResult result);

    RigLink& m_rig;
    QList<Event> m_events;
    qsizetype m_nextEvent = 0;
    QElapsedTimer m_clock;
    QTimer m_timer;
    bool m_busy = false;
    int m_message = 0; // counts messages, so that a late answer of an ended one is ignored
};
