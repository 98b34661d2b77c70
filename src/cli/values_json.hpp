// A report's values as JSON: a METAR's "values", a TAF's "periods" and "hours".
// Names are lower_snake_case with the unit in them; what a report does not give is null.
#pragma once

#include <nlohmann/json.hpp>

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume::cli {

// What one observation, forecast period or forecast hour gives; a part not named is null.
nlohmann::json WeatherValuesJson(const WeatherValues& values);
nlohmann::json MetarValuesJson(const MetarValues& values);
nlohmann::json TafPeriodsJson(const TafValues& taf);
nlohmann::json TafHoursJson(const TafValues& taf);

// Adds "values", "periods" and "hours" to a report's object: those of its kind from
// the state that decoded it, null for the other kind and for a report not shown.
void AddValuesJson(nlohmann::json& report, ReportKind kind, const ShownReport& shown,
                   const ReportState& state);

}  // namespace aerolume::cli
