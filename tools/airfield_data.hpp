// The airfields and runways the diagrams are drawn from (OurAirports extracts).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geography/geo_point.hpp"

namespace aerolume {

struct RunwayRecord {
  std::string leIdent;  // designator of the low end ("16L"), where the ends are given
  std::string heIdent;  // designator of the high end ("34R")
  double lengthFt = 0;
  std::optional<double> widthFt;
  std::optional<GeoPoint> le;  // end coordinates; some rows have none
  std::optional<GeoPoint> he;
  std::optional<double> leHeadingTrue;  // degrees, as the data gives them; some contradict
  std::optional<double> heHeadingTrue;  // the end coordinates, so these come second

  bool HasEnds() const { return le.has_value() && he.has_value(); }
};

struct AirfieldRecord {
  std::string code;
  std::string name;
  GeoPoint position;
  std::vector<RunwayRecord> runways;
};

// Reads airfields.csv and runways.csv from dataDir; throws std::runtime_error when
// a file is missing or a runway names an airfield that is not listed.
std::vector<AirfieldRecord> LoadAirfields(const std::string& dataDir);

}  // namespace aerolume
