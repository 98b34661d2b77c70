// Where each catalogue station lies: its aerodrome reference point.
#pragma once

#include <optional>
#include <string_view>

#include "geography/geo_point.hpp"

namespace aerolume {

// Nothing for a code outside the catalogue.
std::optional<GeoPoint> StationPosition(std::string_view code);

}  // namespace aerolume
