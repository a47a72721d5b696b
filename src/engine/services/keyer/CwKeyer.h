#pragma once

#include "rules/CwWeight.h"
#include "services/keyer/KeyingResult.h"

#include <QObject>
#include <QString>

// What sends a CW message: the serial line, a WinKeyer, cwdaemon or the radio by CAT. start()
// returns at once; finished() follows when the message has been sent or was aborted.
class CwKeyer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts sending `text` (macros already expanded; the speed signs and the half space "~"
    /// kept) at `wpm` words per minute: Started (finished() follows), or PortError / Busy with
    /// nothing sent.
    virtual KeyingResult start(const QString& text, int wpm) = 0;
    /// End, Escape or the paddle: stops the message; finished(Aborted) follows.
    virtual void abort() = 0;
    /// True from start() until finished() has been emitted.
    virtual bool isBusy() const = 0;
    /// The weight chosen on the QSO screen, for the messages that start after it; a keyer that
    /// has no weighting of its own keeps its own.
    virtual void setWeight(CwWeight) {}
    /// After PortError: the message naming a keyer of its own and its address, which keeps CW
    /// on; empty for the serial line, whose port error turns keying by the PC off.
    virtual QString unreachable() const { return {}; }

signals:
    /// The first `shown` characters of the message text have been sent.
    void progress(int shown);
    void finished(KeyingResult result);
};
