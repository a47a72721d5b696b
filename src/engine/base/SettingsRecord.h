#pragma once

#include <QString>
#include <array>

// The time offset keeps how it was obtained: typed in the set-up box it is written back as typed,
// read from the file it is a number and written back with the blanks of a number.
struct UtcOffset {
    QString text;
    bool numeric = false;

    /// True when the text is a number of hours a real time zone has: -12..+14.
    bool isReal() const;
    static UtcOffset typed(const QString& text) { return {text, false}; }
};

/// The station's own data and the keyer data, kept between runs in the two settings files.
struct SettingsRecord {
    QString myCall;
    UtcOffset utcOffset;
    QString myCounty;
    QString section;
    QString operators;
    int operatorCount = 0;
    QString qth;
    QString address;
    QString transmitter;
    QString receiver;
    std::array<QString, 4> antennas;
    QString club;
    std::array<QString, 7> cwTexts; // TextF1..TextF7
    int comPort = 0;
};
