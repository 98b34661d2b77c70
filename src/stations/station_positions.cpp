#include "stations/station_positions.hpp"

#include <algorithm>

#include "stations/station_positions_data.hpp"

namespace aerolume {

std::optional<GeoPoint> StationPosition(std::string_view code) {
  const auto table = StationPositionTable();
  const auto found = std::ranges::lower_bound(table, code, {}, &StationPositionEntry::code);
  if (found == table.end() || found->code != code) return std::nullopt;
  return GeoPoint{found->lat, found->lon};
}

}  // namespace aerolume
