#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

class QEventLoop;

// The pause between automatic repeats of the F1 message (Pauza in CW, PauzaSSB in voice).
// The wait runs a local event loop, so typing and key handlers run during it. End or Escape
// (abort) and typing in the fields (stopRepeat) are kept until the next wait sees them, so a
// key pressed while a message is under way still ends the repeat.
class RepeatPause : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Elapsed, // the pause ran out: send again
        Aborted, // End or Escape (KeyAbort)
        Stopped, // typing in the callsign or received-code fields (StopCwRepeat, StopSsbRepeat)
    };
    Q_ENUM(Outcome)
    using SendOnce = std::function<bool()>;

    using QObject::QObject;

    /// The pause length typed in txtPauseCW or TxtPauseSSB: its leading number, in seconds.
    static std::chrono::milliseconds pauseLength(const QString& text);

    /// Waits `pause`, ended early by abort() or stopRepeat().
    Outcome wait(std::chrono::milliseconds pause);
    /// Repeats wait and `sendOnce` until a wait ends early or `sendOnce` returns false (aborted).
    Outcome run(std::chrono::milliseconds pause, const SendOnce& sendOnce);
    /// End or Escape: ends the current or the next wait.
    void abort();
    /// Typing in the fields: ends the current or the next wait.
    void stopRepeat();
    /// Forgets an abort or stop not yet seen (F1 starting a new message).
    void reset();

signals:
    /// A wait begins (the pause box turns red).
    void waitStarted();
    /// A wait has ended; `outcome` says how.
    void waitEnded(RepeatPause::Outcome outcome);

private:
    Outcome takePending();

    bool m_abort = false;
    bool m_stop = false;
    QEventLoop* m_loop = nullptr;
};
