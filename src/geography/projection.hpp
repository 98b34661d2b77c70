// The map's projection: Lambert's conformal conic on a sphere, which keeps shapes
// true and distorts distances by less than 1 % between its two standard parallels,
// where nearly all of Japan lies.
#pragma once

#include "geography/geo_point.hpp"

namespace aerolume {

// Kilometres east and north of the projection's origin.
struct PlanePoint {
  double x = 0;
  double y = 0;
};

class ConformalConic {
 public:
  ConformalConic(double firstParallel, double secondParallel, GeoPoint origin);

  PlanePoint Project(GeoPoint point) const;
  GeoPoint Unproject(PlanePoint point) const;
  // The ratio of map distance to true distance at a latitude: 1 on the standard parallels.
  double ScaleAt(double latitude) const;

 private:
  double RadiusAt(double latitude) const;

  double m_cone = 0;    // n: how much of a full turn the meridians span
  double m_factor = 0;  // F, in kilometres
  double m_originRadius = 0;
  double m_centralMeridian = 0;
};

// Standard parallels 30°N and 40°N, origin 36°N 136°E: the middle of the coasts' box.
const ConformalConic& JapanProjection();

}  // namespace aerolume
