#pragma once

#include "base/RadioSettings.h"
#include "base/seams/Rig.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

/// Makes the Rig the settings name; called on RigLink's own thread, used on the worker's.
using RigFactory = std::function<std::unique_ptr<Rig>(const RadioSettings&)>;

// Lives on RigLink's thread and is the only one that talks to the radio: it reads frequency and
// mode one poll after the other and runs the CAT commands in between, in the order they came.
class RigWorker : public QObject {
    Q_OBJECT
public:
    RigWorker();
    ~RigWorker() override;

    /// Polls `rig` from now on; none when it is null.
    void follow(std::shared_ptr<Rig> rig, int pollMs, int retryMs);
    void stop();
    /// Runs `command` on the radio, opening it first when it is closed.
    Outcome<void> run(const std::function<Outcome<void>(Rig&)>& command);
    /// The transmitter on or off; one left on is switched off before the radio is let go.
    Outcome<void> setPtt(bool on);

signals:
    void reading(const RigReading& reading);
    /// The radio stopped answering (or never did); said once until it answers again.
    void silent(const QString& why);
    void answered();

private:
    void poll();
    Outcome<void> ensureOpen();
    void lose(const QString& why);

    std::shared_ptr<Rig> m_rig;
    QTimer m_timer;
    bool m_open = false;
    enum class Heard { Nothing, Answering, Silent };
    Heard m_heard = Heard::Nothing; // since the radio was last chosen
    bool m_pttOn = false;
    int m_pollMs = 0;
    int m_retryMs = 0;
};
