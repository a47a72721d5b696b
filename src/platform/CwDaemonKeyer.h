#pragma once

#include "services/keyer/CwKeyer.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <QUdpSocket>
#include <utility>

// Keys CW through cwdaemon: each message goes as UDP datagrams (the speed, a reply request, the
// text) and cwdaemon answers the reply request once it has sent the text. A cwdaemon that does
// not answer ends the message half as long again after its Morse length. A port nobody listens
// on is a port error, at start() or, noticed later, as the message's end; every message tries
// again.
class CwDaemonKeyer : public CwKeyer {
    Q_OBJECT
public:
    CwDaemonKeyer(const QString& host, quint16 port, QObject* parent = nullptr);

    KeyingResult start(const QString& text, int wpm) override;
    void abort() override;
    bool isBusy() const override { return m_phase != Phase::Idle; }
    QString unreachable() const override;

private:
    enum class Phase { Idle, Sending, Ending }; // Ending: finished() is on its way

    void send(const QByteArray& datagram);
    void refused();
    void showProgress();
    void readReplies();
    void finishLater(KeyingResult result);

    QString m_host;
    quint16 m_port;
    QUdpSocket m_socket;
    QByteArrayList m_unsent; // datagrams waiting for the host name to be looked up
    QTimer m_deadline;
    // cwdaemon tells nothing while it keys: the characters are shown at their time on the
    // serial line, as (milliseconds from the start, characters shown).
    QList<std::pair<int, int>> m_marks;
    QElapsedTimer m_sinceStart;
    QTimer m_progress;
    Phase m_phase = Phase::Idle;
    int m_serial = 0;        // numbers the reply requests, so a late reply ends nothing
    bool m_refused = false;  // cwdaemon's port refused a datagram
    bool m_starting = false; // start() answers a refusal itself
};
