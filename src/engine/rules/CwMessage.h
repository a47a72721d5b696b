#pragma once

#include <QList>

/// One interval of a CW message: the key line held on or off for `ms` milliseconds.
struct KeyStep {
    bool keyDown = false;
    int ms = 0;
    int shown = 0; // characters of the message text sent once this step starts

    bool operator==(const KeyStep&) const = default;
};

/// A message turned into key-line intervals, and the speed in force after it.
struct CwMessage {
    QList<KeyStep> steps;
    int endSpeed = 0;

    /// The length of the whole message in milliseconds.
    int totalMs() const;
};
