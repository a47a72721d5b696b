#pragma once

#include <QMetaType>
#include <QString>

/// How a CW or voice message ended, or why it did not start.
enum class KeyingResult {
    Started,           // the message is under way (start() of a sender only)
    Done,              // sent or played to its end
    Aborted,           // End or Escape ended it early
    PortError,         // the port could not be opened: nothing was sent
    Busy,              // another message is under way: refused
    DoneWithoutKeying, // voice only: played without the port, the transmitter not keyed
    MissingRecording,  // voice only: the recording is not there: nothing keyed, nothing played
};
Q_DECLARE_METATYPE(KeyingResult)

namespace Keying {
/// Shown when the port cannot be opened; the screen then clears CwPcFlag and SsbPcFlag.
inline constexpr char kPortErrorMessage[] =
    "PortComm inexistent sau incorect setat! Nu exista legatura TRCV - PC !";
/// Shown when a keyer of its own (`keyer` names it and its address) does not answer; CW stays
/// on, since such a keyer is often only restarted or plugged in again.
inline QString unreachable(const QString& keyer) {
    return QStringLiteral("%1 nu raspunde: mesajul nu s-a transmis. CW ramane pornit; tasta F "
                          "urmatoare incearca din nou.")
        .arg(keyer);
}
} // namespace Keying
