#pragma once

#include "base/seams/Clock.h"

#include <QString>

// The set-up box "(Ora YO-Ora  UTC)" keeps its place in the settings file, but the log takes its
// times from the system's UTC: the box shows the system's offset, and a value typed against it is
// named to the operator instead of shifting every contact.
namespace SystemOffset {
/// The system's offset now, in hours as the box shows it: "2", "-3", "5.5".
QString text(const Clock& clock);
/// The notice for a typed offset that is not the system's; empty when they agree.
QString notice(const QString& typed, const Clock& clock);
} // namespace SystemOffset
