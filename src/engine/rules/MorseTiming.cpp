#include "rules/MorseTiming.h"

#include "rules/MorseTable.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTicksPerSecond = 18.2;
constexpr float kSpeedConst = 20;
constexpr double kGapFactor = 1.4;
constexpr int kSpeedChange = 5;
constexpr int kSpeedKeyStep = 2;

struct WeightFactors {
    double dot;
    double dash;
    double space;
};

WeightFactors factors(CwWeight weight) {
    switch (weight) {
    case CwWeight::Heavy:
        return {1.16666666, 3 * 1.05555555, 0.83333333};
    case CwWeight::Heavier:
        return {1.33333333, 3 * 1.11111111, 0.66666666};
    case CwWeight::Even:
        break;
    }
    return {1, 3, 1};
}

// Builds the intervals character by character, keeping the speed ">" and "<" leave behind.
class StepBuilder {
public:
    StepBuilder(int speed, CwWeight weight)
        : m_speed(speed), m_units(MorseTiming::unitsForMessage(speed)), m_weight(factors(weight)) {}

    void add(QChar c, int shown) {
        m_shown = shown;
        if (c == QLatin1Char('>'))
            changeSpeed(kSpeedChange);
        else if (c == QLatin1Char('<'))
            changeSpeed(-kSpeedChange);
        const QString pattern = MorseTable::pattern(c);
        if (!pattern.isEmpty())
            character(pattern);
        if (c == QLatin1Char(' '))
            append(false, m_units.elementUnit * 4.0);
        if (c == QLatin1Char('~'))
            append(false, m_units.elementUnit * 2.0 * m_weight.space);
    }

    CwMessage take() { return {std::move(m_steps), m_speed}; }

private:
    void changeSpeed(int delta) {
        m_speed = std::max(m_speed + delta, MorseTiming::kMinMessageSpeed);
        m_units = MorseTiming::unitsAfterSpeedChange(m_speed);
    }

    void character(const QString& pattern) {
        const double unit = m_units.elementUnit;
        for (QChar element : pattern) {
            const bool dash = element == QLatin1Char('-');
            append(true, unit * (dash ? m_weight.dash : m_weight.dot));
            append(false, unit * m_weight.space);
        }
        append(false, 3.0 * m_units.gapUnit - unit);
    }

    void append(bool keyDown, double ticks) {
        m_steps.append({keyDown, MorseTiming::toMs(ticks), m_shown});
    }

    int m_speed;
    MorseUnits m_units;
    WeightFactors m_weight;
    int m_shown = 0;
    QList<KeyStep> m_steps;
};
} // namespace

namespace MorseTiming {

MorseUnits unitsForMessage(int speed) {
    float u = kSpeedConst / static_cast<float>(speed);
    if (speed <= 12)
        u = kSpeedConst / static_cast<float>(speed - 1);
    if (speed <= 11)
        u = kSpeedConst / static_cast<float>(speed - 2);
    if (speed <= 9)
        u = kSpeedConst / static_cast<float>(speed - 3);
    MorseUnits units{u, u};
    if (speed < 13)
        units.elementUnit = kSpeedConst / 13;
    units.gapUnit = static_cast<float>(units.gapUnit * kGapFactor);
    return units;
}

MorseUnits unitsAfterSpeedChange(int speed) {
    const float u = kSpeedConst / static_cast<float>(speed);
    return {u, static_cast<float>(kGapFactor * u)};
}

int toMs(double ticks) {
    // Round half to even, as the old sleep call received its argument.
    return static_cast<int>(std::nearbyint(ticks * 1000.0 / kTicksPerSecond));
}

CwMessage steps(const QString& text, int speed, CwWeight weight) {
    StepBuilder builder(std::max(speed, kMinMessageSpeed), weight);
    for (qsizetype i = 0; i < text.size(); ++i)
        builder.add(text.at(i), static_cast<int>(i + 1));
    builder.add(QLatin1Char(' '), static_cast<int>(text.size()));
    return builder.take();
}

int stepSpeed(int speed, bool up) {
    return up ? std::min(speed + kSpeedKeyStep, kMaxSpeed)
              : std::max(speed - kSpeedKeyStep, kMinSpeed);
}

QString wpmCaption(int speed) {
    return QString::number(speed);
}

} // namespace MorseTiming
