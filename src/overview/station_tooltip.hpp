// A station's tooltip as the toolkit shows it: the phrases' lines as escaped rich
// text, so that a server's "<" in a failure can never turn into markup.
#pragma once

#include <QString>

#include "conditions/station_overview.hpp"

namespace aerolume {

QString StationTooltipText(const OverviewStation& station, UtcMinutes now);

}  // namespace aerolume
