// A place on the earth in degrees, as the airfield data and the coasts give it.
#pragma once

namespace aerolume {

struct GeoPoint {
  double lat = 0;  // degrees north
  double lon = 0;  // degrees east
};

}  // namespace aerolume
