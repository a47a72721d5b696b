#pragma once

#include "services/keyer/CwKeyer.h"

#include <QList>
#include <QSerialPort>
#include <QTimer>

// Keys CW through a K1EL WinKeyer in host mode: the program hands it the text and the WinKeyer
// times the Morse itself. Its status bytes tell when a message has gone out, and when the
// operator broke in with the paddle, which ends the message as Escape does.
class WinKeyerKeyer : public CwKeyer {
    Q_OBJECT
public:
    explicit WinKeyerKeyer(const QString& device, QObject* parent = nullptr);
    /// Hands the WinKeyer back to its own buttons and paddle.
    ~WinKeyerKeyer() override;

    KeyingResult start(const QString& text, int wpm) override;
    void abort() override;
    bool isBusy() const override { return m_phase != Phase::Idle; }
    void setWeight(CwWeight weight) override { m_weight = weight; }
    QString unreachable() const override;

private:
    bool ensureOpen();
    void close();
    void readAnswers();
    void status(quint8 byte);
    void finishLater(KeyingResult result);

    enum class Phase { Idle, Sending, Ending }; // Ending: finished() is on its way

    QString m_device;
    QSerialPort m_serial;
    QTimer m_deadline; // a WinKeyer that never reports the message's end does not block keying
    CwWeight m_weight = CwWeight::Even;
    Phase m_phase = Phase::Idle;
    bool m_keying = false;         // the WinKeyer reported busy during this message
    bool m_versionAwaited = false; // its first answer after host open is its version
    QList<int> m_shownAfterEcho;   // characters of the text shown once each echo comes back
};
