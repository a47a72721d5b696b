#pragma once

#include "Outcome.h"
#include "reports/CabrilloHeader.h"

#include <QString>

// The Cabrillo form's boxes that describe the operator rather than the log (category,
// operators, club, name, address, soapbox), kept between exports and runs in group "Cabrillo"
// of VELT.ini in the data folder. The contest, callsign and claimed score are always derived.
namespace CabrilloKept {
/// `header` with the kept boxes filled in from `iniPath`; boxes never kept stay as they are.
CabrilloHeader load(const QString& iniPath, CabrilloHeader header);
/// Keeps the boxes of `header` in `iniPath`.
[[nodiscard]] Outcome<void> save(const QString& iniPath, const CabrilloHeader& header);
} // namespace CabrilloKept
