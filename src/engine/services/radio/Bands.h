#pragma once

#include <QtGlobal>
#include <optional>

// The amateur bands by their edges, as logbook programs name them.
namespace Bands {
/// The band holding `hz`, in metres; none outside every band.
std::optional<int> metresOf(qint64 hz);
/// The lowest frequency of the band of `metres`, in kHz; 0 for a band not in the table.
int lowerEdgeKhz(int metres);
} // namespace Bands
