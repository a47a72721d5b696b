#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>

// The pause between automatic repeats of the F1 message (Pauza in CW, PauzaSSB in voice), kept
// by a timer: nothing waits, keys are handled meanwhile as at any other time. End or Escape
// (abort) and typing in the fields (stopRepeat) end the pause under way, or are kept until the
// next pause begins, so a key pressed while a message is under way still ends the repeat.
class RepeatPause : public QObject {
    Q_OBJECT
public:
    enum class PauseEnd {
        Elapsed, // the pause ran out: send again
        Aborted, // End or Escape (KeyAbort)
        Stopped, // typing in the callsign or received-code fields (StopCwRepeat, StopSsbRepeat)
    };
    Q_ENUM(PauseEnd)
    using Done = std::function<void(PauseEnd)>;

    explicit RepeatPause(QObject* parent = nullptr);

    /// The pause length typed in the CW or SSB repeat-pause box: its leading number, in seconds.
    static std::chrono::milliseconds pauseLength(const QString& text);

    /// Starts a pause of `pause`; `done` runs from the event loop with how it ended.
    void wait(std::chrono::milliseconds pause, Done done);
    /// End or Escape: ends the current or the next pause.
    void abort();
    /// Typing in the fields: ends the current or the next pause.
    void stopRepeat();
    /// Forgets an abort or stop not yet seen (F1 starting a new message).
    void reset();
    /// True while a pause runs.
    bool isWaiting() const { return m_waiting; }

signals:
    /// A pause begins (the pause box turns red).
    void waitStarted();

private:
    void end();

    QTimer m_timer;
    Done m_done;
    bool m_waiting = false;
    bool m_abort = false;
    bool m_stop = false;
};
