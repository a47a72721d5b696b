#pragma once

#include <QString>

/// What keys the CW: the serial port's DTR line (the default), a K1EL WinKeyer, cwdaemon, or the
/// radio itself by CAT.
enum class KeyerKind { SerialLine, WinKeyer, CwDaemon, RadioCat };

/// True for rigctld's "host:port", the port 1..65535.
bool isRigctldAddress(const QString& address);

/// The radio and keyer the operator chose, kept by KeptSettings.
struct RadioSettings {
    KeyerKind keyer = KeyerKind::SerialLine;
    QString winKeyerPort; // a serial device, "/dev/ttyUSB0"
    QString cwDaemonHost = QStringLiteral("localhost");
    quint16 cwDaemonPort = 6789;
    static constexpr int kNetworkModel = 2; // Hamlib's model for rigctld
    int rigModel = 0;                       // Hamlib's model number; 0: no rig control
    QString rigPort;       // a serial device, or "host:port" of rigctld for Hamlib's network model
    int rigBaud = 0;       // 0: the model's default
    bool pttByCat = false; // voice messages key the transmitter by CAT instead of RTS

    /// Why these settings cannot work, in Romanian; empty when they can.
    QString problem() const;

    bool operator==(const RadioSettings&) const = default;
};
