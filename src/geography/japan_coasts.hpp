// Japan's coasts for the map: land only (no borders, no names), clipped to the box
// 122°E–150°E, 23°N–47°N, where the Asian mainland, Korea and Sakhalin appear cut.
#pragma once

#include <vector>

#include "geography/geo_point.hpp"

namespace aerolume {

using CoastRing = std::vector<GeoPoint>;

// Each closed ring of land, its last point equal to its first. Holes are rings too:
// drawn with the even-odd rule, they stay open water.
const std::vector<CoastRing>& JapanCoasts();

}  // namespace aerolume
