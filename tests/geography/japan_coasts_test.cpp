// The compiled coasts hold the source's land, closed and inside its box, and every
// station lies in that box.
#include "geography/japan_coasts.hpp"

#include <gtest/gtest.h>

#include <cstddef>

#include "stations/station_catalogue.hpp"
#include "stations/station_positions.hpp"

namespace aerolume {
namespace {

bool InsideBox(GeoPoint point) {
  return point.lon >= 122.0 && point.lon <= 150.0 && point.lat >= 23.0 && point.lat <= 47.0;
}

// ../shared/data/SOURCES.md: "58 polygons, 1,767 points".
TEST(JapanCoasts, HoldEveryPointOfTheSource) {
  std::size_t points = 0;
  for (const CoastRing& ring : JapanCoasts()) points += ring.size();
  EXPECT_EQ(points, 1767u);
  EXPECT_GE(JapanCoasts().size(), 58u);
}

TEST(JapanCoasts, AreClosedRingsInsideTheBox) {
  for (const CoastRing& ring : JapanCoasts()) {
    ASSERT_GE(ring.size(), 4u);
    EXPECT_DOUBLE_EQ(ring.front().lat, ring.back().lat);
    EXPECT_DOUBLE_EQ(ring.front().lon, ring.back().lon);
    for (const GeoPoint& point : ring) EXPECT_TRUE(InsideBox(point));
  }
}

TEST(StationPositions, EveryCatalogueStationHasOneInsideTheBox) {
  for (std::string_view entry : StationCatalogue()) {
    const auto position = StationPosition(StationCode(entry));
    ASSERT_TRUE(position.has_value()) << entry;
    EXPECT_TRUE(InsideBox(*position)) << entry;
  }
}

// ../shared/data/airfields.csv, the rows of RJTT and of RJAI (placed by hand).
TEST(StationPositions, AreTheAirfieldData) {
  EXPECT_DOUBLE_EQ(StationPosition("RJTT")->lat, 35.549678);
  EXPECT_DOUBLE_EQ(StationPosition("RJTT")->lon, 139.786958);
  EXPECT_DOUBLE_EQ(StationPosition("RJAI")->lat, 35.6925);
  EXPECT_FALSE(StationPosition("KJFK").has_value());
}

}  // namespace
}  // namespace aerolume
