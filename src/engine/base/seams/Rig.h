#pragma once

#include "base/Outcome.h"

#include <QMetaType>
#include <QString>

/// What the radio reports: the frequency of its current VFO in Hz and the mode's name.
struct RigReading {
    qint64 frequencyHz = 0;
    QString mode; // "CW", "USB", ...

    bool operator==(const RigReading&) const = default;
};
Q_DECLARE_METATYPE(RigReading)

/// A radio model the CAT library knows, for the operator to choose.
struct RigModel {
    int number = 0;
    QString name; // maker and model, "Yaesu FT-991"
};

// The radio by CAT. Every call may wait for the radio, so all of them come from one worker
// thread (RigLink's), never from the keystroke path. Errors come back as values.
class Rig {
public:
    virtual ~Rig() = default;
    virtual Outcome<void> open() = 0;
    /// Closes the link; a closed rig may be opened again.
    virtual void close() = 0;
    virtual Outcome<RigReading> read() = 0;
    /// The transmitter on or off.
    virtual Outcome<void> setPtt(bool on) = 0;
    /// Hands `text` to the radio's own keyer, which sends it at the keyer speed.
    virtual Outcome<void> sendMorse(const QString& text) = 0;
    /// Stops what the radio's keyer is sending, where the radio can.
    virtual Outcome<void> stopMorse() = 0;
    virtual Outcome<void> setKeyerSpeed(int wpm) = 0;
};
