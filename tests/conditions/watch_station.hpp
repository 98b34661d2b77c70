// A watched station as the overview holds it after reading one station file.
#pragma once

#include <string>

#include "conditions/station_overview.hpp"

namespace aerolume::testing_support {

// `timeLine` is the file's first line ("2026/08/11 10:30"), `report` the METAR.
inline OverviewStation StationWithReport(const std::string& code, const std::string& timeLine,
                                         const std::string& report) {
  StationOverview overview;
  overview.SetMetarFile(code, timeLine + '\n' + report + '\n');
  return *overview.Find(code);
}

inline OverviewStation StationWithFailure(const std::string& code, const std::string& why) {
  StationOverview overview;
  overview.SetFailure(code, why);
  return *overview.Find(code);
}

}  // namespace aerolume::testing_support
