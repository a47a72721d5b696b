#pragma once

#include "services/radio/RigWorker.h"

#include <QObject>
#include <QThread>

// The radio by CAT for the rest of the program: its own thread polls frequency and mode and runs
// the CAT commands, and everything comes back as queued signals, so that neither a slow nor a
// silent radio ever holds up a keystroke. A radio that stops answering is said once and tried
// again quietly.
class RigLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 500;
    static constexpr int kRetryMs = 2000;

    using Command = std::function<Outcome<void>(Rig&)>;
    using Done = std::function<void(const Outcome<void>&)>;

    explicit RigLink(RigFactory factory, QObject* parent = nullptr);
    /// Waits for the command under way, then closes the radio.
    ~RigLink() override;

    /// Follows the radio `settings` name from now on; none with model 0.
    void follow(const RadioSettings& settings, int pollMs = kPollMs, int retryMs = kRetryMs);
    /// The QSO screen is closed: no more polls.
    void stop();
    /// As stop(), and the transmitter off and the radio closed before it returns: the program
    /// ends.
    void release();
    /// True when the radio's last answer was good.
    bool answering() const { return m_answering; }
    /// Runs `command` on the radio after what is queued before it; `done` gets its outcome on
    /// this object's thread.
    void request(Command command, Done done = {});
    /// The transmitter on or off by CAT, in turn with the other commands. One left on is switched
    /// off by stop().
    void setPtt(bool on);

signals:
    void reading(const RigReading& reading);
    /// The radio stopped answering, or does not answer since it is followed; `why` in Romanian.
    void silent(const QString& why);
    void answered();

private:
    RigFactory m_factory;
    QThread m_thread;
    RigWorker* m_worker;
    bool m_following = false;
    bool m_answering = false;
};
