// A report's values as the terminal's short English phrases: what overview, history
// and taf-hours print in their columns.
#pragma once

#include <optional>
#include <string>

#include "conditions/flight_category.hpp"
#include "decoder/report_values.hpp"

namespace aerolume::cli {

// "VFR", "MVFR", "IFR", "LIFR"; "unknown" when neither sky nor visibility is told.
std::string CategoryText(FlightCategory category);
// "230 12 kt gusts 25", "VRB 2 kt", "calm"; "-" for no wind group.
std::string WindText(const std::optional<WindValue>& wind);
// "CAVOK", "10 km or more", "less than 50 m", "2000 m"; "-" when none was given.
std::string VisibilityText(const WeatherValues& values);
// "ceiling 800 ft", "vertical visibility 100 ft", "no ceiling"; "-" when the sky is not told.
std::string CeilingText(const WeatherValues& values);
// The weather groups as reported: "-SHRA BR", "NSW" for none; "-" when not named.
std::string WeatherText(const WeatherValues& values);
// "2026-07-24 19:11": Japan time (UTC + 9 h), whatever the machine's zone.
std::string JapanTimeText(UtcMinutes time);

}  // namespace aerolume::cli
