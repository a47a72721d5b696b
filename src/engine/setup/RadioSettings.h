#pragma once

#include "Outcome.h"

#include <QString>
#include <utility>

/// What keys the CW: the serial port's DTR line (the default), a K1EL WinKeyer, cwdaemon, or the
/// radio itself by CAT.
enum class KeyerKind { SerialLine, WinKeyer, CwDaemon, RadioCat };

/// The radio and keyer the operator chose. Kept in their own file beside VELTInit.dat, whose
/// format other programs read.
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

namespace RadioSettingsFile {
/// "VELTRadio.ini" in `folder`.
QString pathIn(const QString& folder);
/// The settings kept in `folder`, the defaults when there is no file, and the message naming the
/// values that could not be read (empty when all could): each keeps its default and loses none of
/// the others.
[[nodiscard]] std::pair<RadioSettings, QString> read(const QString& folder);
/// Writes the settings into `folder`; the message to show when nothing was written.
[[nodiscard]] Outcome<void> save(const QString& folder, const RadioSettings& settings);
} // namespace RadioSettingsFile
