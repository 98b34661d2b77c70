#include "geography/japan_coasts.hpp"

#include "geography/japan_coasts_data.hpp"

namespace aerolume {

namespace {

GeoPoint Degrees(CoastPoint point) {
  return {point.latE4 / 1e4, point.lonE4 / 1e4};
}

std::vector<CoastRing> ReadCoasts() {
  const std::span<const CoastPoint> points = CoastPointTable();
  std::vector<CoastRing> rings;
  std::uint32_t begin = 0;
  for (const std::uint32_t end : CoastRingEnds()) {
    CoastRing& ring = rings.emplace_back();
    ring.reserve(end - begin);
    for (std::uint32_t i = begin; i < end; ++i) ring.push_back(Degrees(points[i]));
    begin = end;
  }
  return rings;
}

}  // namespace

const std::vector<CoastRing>& JapanCoasts() {
  static const std::vector<CoastRing> coasts = ReadCoasts();
  return coasts;
}

}  // namespace aerolume
