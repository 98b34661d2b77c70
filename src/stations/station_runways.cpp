#include "stations/station_runways.hpp"

#include <algorithm>

#include "stations/station_runways_data.hpp"

namespace aerolume {

std::span<const Runway> StationRunways(std::string_view stationCode) {
  const std::span<const StationRunwayEntry> table = StationRunwayTable();
  const auto found = std::lower_bound(
      table.begin(), table.end(), stationCode,
      [](const StationRunwayEntry& entry, std::string_view code) { return entry.code < code; });
  if (found == table.end() || found->code != stationCode) return {};
  return found->runways;
}

}  // namespace aerolume
