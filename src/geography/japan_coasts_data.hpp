// The coasts' table, written by tools/aerolume_geography into japan_coasts_data.cpp:
// every land ring of the map's box in ten-thousandths of a degree, as the source
// rounds them, which keeps the table a quarter of the size of doubles.
#pragma once

#include <cstdint>
#include <span>

namespace aerolume {

struct CoastPoint {
  std::int32_t lonE4 = 0;
  std::int32_t latE4 = 0;
};

// Every ring's points, one ring after the other.
std::span<const CoastPoint> CoastPointTable();
// Where each ring ends in CoastPointTable(), in order.
std::span<const std::uint32_t> CoastRingEnds();

}  // namespace aerolume
