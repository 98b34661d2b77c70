// The table behind StationRunways, written by tools/aerolume_runways into
// station_runways_data.cpp.
#pragma once

#include <span>
#include <string_view>

#include "stations/station_runways.hpp"

namespace aerolume {

struct StationRunwayEntry {
  std::string_view code;
  std::span<const Runway> runways;
};

// Every catalogue station, in ascending order of code.
std::span<const StationRunwayEntry> StationRunwayTable();

}  // namespace aerolume
