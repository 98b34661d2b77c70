// A station's history as the series its plots draw: for each report the wind, the
// crosswind on one runway end, the visibility and ceiling, the temperatures and the
// QNH, as numbers on one time line. The window draws them; it computes none of them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/station_history.hpp"
#include "stations/station_runways.hpp"

namespace aerolume {

struct HistoryPoint {
  UtcMinutes time;
  bool speci = false;
  std::optional<int> speedKt;  // none without a wind group; 0 for calm
  std::optional<int> gustKt;
  std::optional<int> directionDegrees;  // none for a variable direction and for calm
  std::optional<int> crosswindKt;       // on the chosen runway end, from either side
  std::optional<int> visibilityMetres;  // 10 km and more as 10000
  std::optional<int> ceilingFeet;       // none without a ceiling
  std::optional<double> temperatureCelsius;
  std::optional<double> dewPointCelsius;
  std::optional<double> qnhHectopascal;  // from inches of mercury where only those are given
  FlightCategory category = FlightCategory::Unknown;
};

// The runway end that the latest report with a favouring wind favours ("34R"); empty
// when no report's wind favours one or the station has no runways.
std::string FavouredRunwayEnd(const StationHistory& history, std::span<const Runway> runways);

// One point per report, in the history's order; the crosswind on `runwayEnd`.
std::vector<HistoryPoint> HistoryPoints(const StationHistory& history,
                                        std::span<const Runway> runways,
                                        std::string_view runwayEnd);

// The latest QNH less the one reported about three hours before it (the report
// nearest to that time, within half an hour): how fast the pressure falls or rises.
std::optional<double> PressureChange(const std::vector<HistoryPoint>& points);

}  // namespace aerolume
