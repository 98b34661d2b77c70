#include "stations/station_runways.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "stations/station_catalogue.hpp"

namespace aerolume {
namespace {

// The table holds bearings to one decimal.
constexpr double kBearingTolerance = 0.05 + 1e-9;

// Stations the data gives no runway: heliports and helicopter bases.
const std::set<std::string_view> kWithoutRunways = {"RJAI", "RJAK", "RJAT", "RJDM", "RJOE",
                                                    "RJOP", "RJSO", "RJSU", "RJTI"};

// Difference of two bearings on the circle, in [0, 180].
double BearingGap(double a, double b) {
  const double gap = std::fmod(std::fabs(a - b), 360.0);
  return std::min(gap, 360.0 - gap);
}

// One row of runways.csv, by column name, with its line number for messages.
struct CsvRow {
  int line = 0;
  std::map<std::string, std::string> cells;

  const std::string& operator[](const std::string& column) const { return cells.at(column); }
  std::optional<double> Number(const std::string& column) const {
    const std::string& text = cells.at(column);
    return text.empty() ? std::nullopt : std::optional(std::stod(text));
  }
};

// The extract has no quoted cells, so a split at commas reads it.
std::vector<std::string> SplitAtCommas(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<std::string> cells;
  std::istringstream in(line + ",");
  std::string cell;
  while (std::getline(in, cell, ',')) cells.push_back(cell);
  return cells;
}

std::vector<CsvRow> ReadRunwayRows(std::ifstream& in) {
  std::vector<CsvRow> rows;
  std::vector<std::string> header;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    const std::vector<std::string> cells = SplitAtCommas(text);
    if (header.empty()) {
      header = cells;
      continue;
    }
    if (cells.size() != header.size()) {
      ADD_FAILURE() << "runways.csv line " << line << " has " << cells.size() << " cells";
      continue;
    }
    CsvRow row{line, {}};
    for (std::size_t i = 0; i < cells.size(); ++i) row.cells[header[i]] = cells[i];
    if (row["closed"] == "1" || row["le_ident"].starts_with('H')) continue;
    rows.push_back(std::move(row));
  }
  return rows;
}

// Initial great-circle bearing, worked out on unit vectors: the direction towards the far end
// projected onto the plane tangent at the near end, measured from north towards east.
double BearingTowards(double lat1, double lon1, double lat2, double lon2) {
  const auto radians = [](double degrees) { return degrees * std::numbers::pi / 180; };
  const double p1 = radians(lat1), l1 = radians(lon1), p2 = radians(lat2), l2 = radians(lon2);
  const std::array<double, 3> from = {std::cos(p1) * std::cos(l1), std::cos(p1) * std::sin(l1),
                                      std::sin(p1)};
  const std::array<double, 3> to = {std::cos(p2) * std::cos(l2), std::cos(p2) * std::sin(l2),
                                    std::sin(p2)};
  const std::array<double, 3> north = {-std::sin(p1) * std::cos(l1), -std::sin(p1) * std::sin(l1),
                                       std::cos(p1)};
  const std::array<double, 3> east = {-std::sin(l1), std::cos(l1), 0};
  double alongNorth = 0, alongEast = 0;
  for (int i = 0; i < 3; ++i) {
    alongNorth += (to[i] - from[i]) * north[i];
    alongEast += (to[i] - from[i]) * east[i];
  }
  const double degrees = std::atan2(alongEast, alongNorth) * 180 / std::numbers::pi;
  return degrees < 0 ? degrees + 360 : degrees;
}

struct ExpectedEnd {
  double bearing = 0;
  bool approximate = false;
};

// Coordinates of both ends first, then this end's true heading, then the designator alone.
ExpectedEnd ExpectedBearing(const CsvRow& row, const std::string& near, const std::string& far) {
  const auto nearLat = row.Number(near + "_lat"), nearLon = row.Number(near + "_lon");
  const auto farLat = row.Number(far + "_lat"), farLon = row.Number(far + "_lon");
  if (nearLat && nearLon && farLat && farLon) {
    return {BearingTowards(*nearLat, *nearLon, *farLat, *farLon), false};
  }
  if (const auto heading = row.Number(near + "_heading_true")) {
    return {std::fmod(*heading + 360, 360), false};
  }
  const int number = std::stoi(row[near + "_ident"]);
  return {number == 36 ? 0.0 : number * 10.0, true};
}

TEST(StationRunwaysTest, MatchTheSharedData) {
  std::ifstream in(AEROLUME_SHARED_DATA "/runways.csv");
  if (!in) GTEST_SKIP() << "no airfield data at " AEROLUME_SHARED_DATA;
  std::map<std::string, std::vector<CsvRow>> byStation;
  for (CsvRow& row : ReadRunwayRows(in)) {
    EXPECT_TRUE(IsCatalogueStation(row["icao"])) << "runways.csv line " << row.line;
    byStation[row["icao"]].push_back(std::move(row));
  }
  for (std::string_view entry : StationCatalogue()) {
    const std::string code(StationCode(entry));
    const std::vector<CsvRow>& rows = byStation[code];
    const std::span<const Runway> runways = StationRunways(code);
    ASSERT_EQ(runways.size(), rows.size()) << code;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const CsvRow& row = rows[i];
      const Runway& runway = runways[i];
      SCOPED_TRACE("runways.csv line " + std::to_string(row.line));
      EXPECT_EQ(runway.lengthFt, std::lround(row.Number("length_ft").value_or(0)));
      const std::string sides[2] = {"le", "he"};
      for (int end = 0; end < 2; ++end) {
        const ExpectedEnd expected = ExpectedBearing(row, sides[end], sides[1 - end]);
        EXPECT_EQ(runway.ends[end].ident, row[sides[end] + "_ident"]);
        EXPECT_LE(BearingGap(runway.ends[end].bearing, expected.bearing), kBearingTolerance)
            << runway.ends[end].ident << " " << runway.ends[end].bearing;
        EXPECT_EQ(runway.ends[end].approximate, expected.approximate) << runway.ends[end].ident;
      }
    }
  }
}

struct HandChecked {
  const char* code;
  RunwayEnd low;
  RunwayEnd high;
  int lengthFt;
};

// Worked out by hand from the rows of runways.csv named beside each.
const HandChecked kHandChecked[] = {
    {"RJTT", {"16R", 150.0, false}, {"34L", 330.0, false}, 9843},   // line 108
    {"RJAA", {"16R", 149.0, false}, {"34L", 329.0, false}, 13123},  // line 3
    {"RJTT", {"05", 42.4, false}, {"23", 222.5, false}, 8202},      // line 106: heading 57 unused
    {"RJOI", {"02R", 0.0, false}, {"20L", 180.0, false}, 1200},     // line 65: ends on one meridian
    {"RJNK", {"06T", 55.6, false}, {"24T", 235.6, false}, 8876},    // line 53
    {"RJAH", {"03L", 30.0, true}, {"21R", 210.0, true}, 8858},      // line 5: no coordinates
    {"ROIG", {"04", 40.0, true}, {"22", 220.0, true}, 6562},        // line 115: no coordinates
    {"RJFF", {"16R", 150.3, false}, {"34L", 330.4, false}, 8202},   // line 35: no headings
};

TEST(StationRunwaysTest, HandCheckedRows) {
  for (const HandChecked& check : kHandChecked) {
    SCOPED_TRACE(std::string(check.code) + " " + std::string(check.low.ident));
    const std::span<const Runway> runways = StationRunways(check.code);
    const auto found = std::find_if(runways.begin(), runways.end(), [&](const Runway& runway) {
      return runway.ends[0].ident == check.low.ident;
    });
    ASSERT_NE(found, runways.end());
    EXPECT_EQ(found->lengthFt, check.lengthFt);
    const RunwayEnd expected[2] = {check.low, check.high};
    for (int end = 0; end < 2; ++end) {
      EXPECT_EQ(found->ends[end].ident, expected[end].ident);
      EXPECT_NEAR(found->ends[end].bearing, expected[end].bearing, kBearingTolerance);
      EXPECT_EQ(found->ends[end].approximate, expected[end].approximate);
    }
  }
}

TEST(StationRunwaysTest, EveryStationHasRunwaysUnlessListedWithout) {
  for (std::string_view entry : StationCatalogue()) {
    const std::string_view code = StationCode(entry);
    const std::span<const Runway> runways = StationRunways(code);
    EXPECT_EQ(runways.empty(), kWithoutRunways.contains(code)) << code;
    for (const Runway& runway : runways) {
      EXPECT_LE(BearingGap(runway.ends[0].bearing + 180, runway.ends[1].bearing), 0.5)
          << code << " " << runway.ends[0].ident;
      for (const RunwayEnd& end : runway.ends) {
        EXPECT_FALSE(end.ident.empty() || end.ident.starts_with('H')) << code;
        EXPECT_TRUE(end.bearing >= 0 && end.bearing < 360) << code << " " << end.ident;
      }
    }
  }
  for (std::string_view code : {"KJFK", "RJT", "", "rjtt"}) {
    EXPECT_TRUE(StationRunways(code).empty()) << code;
  }
}

}  // namespace
}  // namespace aerolume
