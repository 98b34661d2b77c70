// The colours of the flight categories as aviation weather maps use them: VFR green,
// MVFR blue, IFR red, LIFR magenta. One place, so that the METAR's badge, the map's
// dots and the history window's bands always agree.
#pragma once

#include <QColor>

#include "conditions/flight_category.hpp"

namespace aerolume {

// An invalid colour for Unknown.
QColor CategoryColour(FlightCategory category);

}  // namespace aerolume
