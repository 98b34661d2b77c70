// The table behind StationPosition, written by tools/aerolume_geography into
// station_positions_data.cpp.
#pragma once

#include <span>
#include <string_view>

namespace aerolume {

struct StationPositionEntry {
  std::string_view code;
  double lat = 0;  // degrees north
  double lon = 0;  // degrees east
};

// Every catalogue station, in ascending order of code.
std::span<const StationPositionEntry> StationPositionTable();

}  // namespace aerolume
