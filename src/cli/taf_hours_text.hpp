// A TAF hour by hour for the terminal: what prevails each hour in Japan time, and
// under it each TEMPO or PROB group that covers the hour, as lines or as JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "decoder/report_values.hpp"

namespace aerolume::cli {

// One line an hour, "2026-08-22 18:00 JST | IFR | 140 6 kt | 6000 m | -SHRA | ceiling
// 1500 ft", then one indented line for each group that allows other weather in it.
std::string TafHoursText(const TafValues& taf);

// One object an hour: its time, the prevailing conditions, the alternatives, the worst.
nlohmann::json TafHoursListJson(const TafValues& taf);

}  // namespace aerolume::cli
