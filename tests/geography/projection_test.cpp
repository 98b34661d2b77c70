// The map's projection against what a conformal conic must do: true scale on its
// standard parallels, the same scale in every direction, distances close to the
// great circle's across Japan, and a way back.
#include "geography/projection.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "stations/station_positions.hpp"

namespace aerolume {
namespace {

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// The haversine distance on the same sphere, as the independent measure.
double GreatCircleKm(GeoPoint a, GeoPoint b) {
  const double dLat = Radians(b.lat - a.lat);
  const double dLon = Radians(b.lon - a.lon);
  const double h = std::pow(std::sin(dLat / 2), 2) + std::cos(Radians(a.lat)) *
                                                         std::cos(Radians(b.lat)) *
                                                         std::pow(std::sin(dLon / 2), 2);
  return 2 * 6371.0 * std::asin(std::sqrt(h));
}

double PlaneKm(PlanePoint a, PlanePoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

TEST(JapanProjection, OriginIsTheCentreOfThePlane) {
  const PlanePoint origin = JapanProjection().Project({36.0, 136.0});
  EXPECT_NEAR(origin.x, 0.0, 1e-9);
  EXPECT_NEAR(origin.y, 0.0, 1e-9);
}

TEST(JapanProjection, TrueScaleOnTheStandardParallelsOnly) {
  EXPECT_NEAR(JapanProjection().ScaleAt(30.0), 1.0, 1e-12);
  EXPECT_NEAR(JapanProjection().ScaleAt(40.0), 1.0, 1e-12);
  EXPECT_LT(JapanProjection().ScaleAt(35.0), 1.0);
  EXPECT_GT(JapanProjection().ScaleAt(45.0), 1.0);
}

TEST(JapanProjection, NorthIsUpOnTheCentralMeridian) {
  const PlanePoint south = JapanProjection().Project({30.0, 136.0});
  const PlanePoint north = JapanProjection().Project({40.0, 136.0});
  EXPECT_NEAR(south.x, 0.0, 1e-9);
  EXPECT_NEAR(north.x, 0.0, 1e-9);
  EXPECT_GT(north.y, south.y);
}

struct StationPair {
  const char* from;
  const char* to;
};

void PrintTo(const StationPair& pair, std::ostream* out) {
  *out << pair.from << "-" << pair.to;
}

class StationDistance : public testing::TestWithParam<StationPair> {};

// Within the scale's spread over Japan's latitudes (about 1 % from 24°N to 45°N).
TEST_P(StationDistance, IsTheGreatCircleDistanceWithinTwoPercent) {
  const GeoPoint from = *StationPosition(GetParam().from);
  const GeoPoint to = *StationPosition(GetParam().to);
  const double plane = PlaneKm(JapanProjection().Project(from), JapanProjection().Project(to));
  EXPECT_NEAR(plane / GreatCircleKm(from, to), 1.0, 0.02);
}

TEST_P(StationDistance, ComesBackToItsPlaces) {
  for (const char* code : {GetParam().from, GetParam().to}) {
    const GeoPoint place = *StationPosition(code);
    const GeoPoint back = JapanProjection().Unproject(JapanProjection().Project(place));
    EXPECT_NEAR(back.lat, place.lat, 1e-9) << code;
    EXPECT_NEAR(back.lon, place.lon, 1e-9) << code;
  }
}

INSTANTIATE_TEST_SUITE_P(AcrossJapan, StationDistance,
                         testing::Values(StationPair{"RJTT", "RJAA"}, StationPair{"RJTT", "ROAH"},
                                         StationPair{"RJCC", "RJFF"}, StationPair{"ROIG", "RJCW"},
                                         StationPair{"RJBB", "RJGG"}),
                         [](const auto& info) {
                           return std::string(info.param.from) + "_" + info.param.to;
                         });

class Conformality : public testing::TestWithParam<GeoPoint> {};

// A conformal map stretches a small step east as much as the same step north.
TEST_P(Conformality, ScalesEastAndNorthAlike) {
  const GeoPoint at = GetParam();
  const double step = 0.01;
  const ConformalConic& map = JapanProjection();
  const double north = PlaneKm(map.Project(at), map.Project({at.lat + step, at.lon})) /
                       GreatCircleKm(at, {at.lat + step, at.lon});
  const double east = PlaneKm(map.Project(at), map.Project({at.lat, at.lon + step})) /
                      GreatCircleKm(at, {at.lat, at.lon + step});
  EXPECT_NEAR(north, east, 1e-4);
  EXPECT_NEAR(north, map.ScaleAt(at.lat), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(CornersAndMiddle, Conformality,
                         testing::Values(GeoPoint{24.0, 123.0}, GeoPoint{45.0, 148.0},
                                         GeoPoint{35.5, 139.8}, GeoPoint{26.2, 127.6}),
                         [](const auto& info) {
                           return "lat" + std::to_string(static_cast<int>(info.param.lat)) +
                                  "_lon" + std::to_string(static_cast<int>(info.param.lon));
                         });

}  // namespace
}  // namespace aerolume
