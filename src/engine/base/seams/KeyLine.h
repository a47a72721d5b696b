#pragma once

#include <QString>

// The serial port's two control lines: DTR keys the CW, RTS puts the transmitter on the air.
// No data bytes are ever sent. open() and close() come from the caller's thread; while a CW
// message is under way setDtr() and setRts() come from the sender's own thread.
class KeyLine {
public:
    virtual ~KeyLine() = default;
    /// Opens port number `port` at 19200,N,8,1 with both lines off; false for an invalid port.
    virtual bool open(int port) = 0;
    virtual bool isOpen() const = 0;
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    /// Drives both lines off and closes the port.
    virtual void close() = 0;
    /// The device a port number resolves to, for showing on the set-up screen.
    virtual QString deviceFor(int port) const = 0;
};
