// Each catalogue station's runways, compiled in from the airfield data so that the runway
// wind components need neither data files nor the network.
#pragma once

#include <span>
#include <string_view>

namespace aerolume {

struct RunwayEnd {
  std::string_view ident;    // "34L"
  double bearing = 0;        // true bearing of the runway from this end, degrees [0, 360)
  bool approximate = false;  // from the designator alone
};

struct Runway {
  RunwayEnd ends[2];  // the low end (le) first, then the high end (he)
  int lengthFt = 0;   // 0 when the data has none
};

// The station's runways in the order of the data; empty for a station without any
// (helipad-only) or a code not in the catalogue.
std::span<const Runway> StationRunways(std::string_view stationCode);

}  // namespace aerolume
