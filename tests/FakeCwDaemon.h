#pragma once

#include <QByteArrayList>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <utility>

// cwdaemon on a UDP port of this machine: records every datagram, and answers a reply request
// once the text after it has been "keyed", 20 ms a character; an abort drops the answer. It can be
// stopped and started again on its port.
class FakeCwDaemon : public QObject {
public:
    FakeCwDaemon() {
        m_socket.bind(QHostAddress::LocalHost);
        m_port = m_socket.localPort();
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] { readNow(); });
        m_keyed.setSingleShot(true);
        connect(&m_keyed, &QTimer::timeout, this,
                [this] { m_socket.writeDatagram(m_answer + "\r\n", m_client, m_clientPort); });
    }

    quint16 port() const { return m_port; }
    void stop() { m_socket.close(); }
    bool restart() { return m_socket.bind(QHostAddress::LocalHost, m_port); }
    /// Reads the datagrams that came so far; true when there was one.
    bool readNow() {
        const bool any = m_socket.hasPendingDatagrams();
        while (m_socket.hasPendingDatagrams())
            take(m_socket.receiveDatagram());
        return any;
    }
    int messages() const {
        return static_cast<int>(std::count_if(received.begin(), received.end(),
                                              [](const QByteArray& d) { return d[0] != '\x1b'; }));
    }

    QByteArrayList received;
    bool replies = true; // false: as an older cwdaemon, which answers no reply request

private:
    static constexpr int kCharMs = 20;

    void take(const QNetworkDatagram& d) {
        const QByteArray data = d.data();
        received << data;
        m_client = d.senderAddress();
        m_clientPort = static_cast<quint16>(d.senderPort());
        if (data.startsWith("\x1bh")) {
            m_request = data.mid(1);
        } else if (data == QByteArray("\x1b"
                                      "4")) {
            m_keyed.stop();
        } else if (!data.startsWith('\x1b') && !m_request.isEmpty() && replies) {
            m_answer = std::exchange(m_request, {});
            m_keyed.start(kCharMs * static_cast<int>(data.size()));
        }
    }

    QUdpSocket m_socket;
    quint16 m_port = 0;
    QTimer m_keyed;
    QByteArray m_request; // the reply asked for the next text
    QByteArray m_answer;  // the reply of the text being keyed
    QHostAddress m_client;
    quint16 m_clientPort = 0;
};
