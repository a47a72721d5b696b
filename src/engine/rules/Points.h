#pragma once

#include "rules/ContestDef.h"
#include "rules/ContestRun.h"
#include "rules/QsoContact.h"
#include "rules/SpecialStations.h"

#include <QString>
#include <optional>

/// Who is on the air: what the points rules need beside the contact.
struct StationContext {
    QString myCall;
    Mode mode = Mode::Cw;
    const SpecialStations* specials = nullptr;
    bool cw() const { return mode == Mode::Cw; }
};

// The points of a contact, by the contest's rules.
namespace Points {
/// Class factor: 1 for equal classes, 2 for different ones, doubled in CW when the rule says so.
int classFactor(const QString& ownClass, const QString& otherClass, bool cw, bool cwDoubles);
/// The own and the other class for the contest's class words ("YO" when none).
std::pair<QString, QString> classesOf(const LogRules& rules, const QsoContact& c);
/// The points of the contact in hand before it is logged.
QString previewPoints(const ContestDef& def, const QsoContact& c, const StationContext& s);
/// The points `Enter` stores: the class points and the contest's overrides on top of previewPoints.
QString enterPoints(const ContestDef& def, const QsoContact& c, const StationContext& s);
/// The most a contact can score: its `Pct` column is three characters wide.
inline constexpr int kMaxContactPoints = 999;
/// A stored `Pct` as a number (blank is 0); empty when it cannot be a contact's points.
std::optional<int> storedPoints(const QString& pct);
} // namespace Points
