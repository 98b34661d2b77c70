// The JSON forms of what the program shows: one report's fields and the wind values.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume::cli {

nlohmann::json WindJson(const WindValues& wind);

// Each runway end of the station with what the wind does on it: "ident", "bearing",
// "approximate", "headwind", "crosswind" (positive: from the right), "gust_headwind",
// "gust_crosswind" (null without a gust) and "favoured".
nlohmann::json RunwaysJson(const std::string& station, const WindValues& wind);
// One line "runway: RWY34L 向かい風12KT 横風5KT(左から)" per runway end, " (favoured)" after one.
std::string RunwaysText(const std::string& station, const WindValues& wind);

// {"station", "kind", "time", "raw", "decoded", "lines", "wind", "runways", "error"};
// "wind" and "runways" are null after a TAF, which never carries the observed wind.
nlohmann::json ReportJson(const std::string& station, ReportKind kind, const ShownReport& shown,
                          const WindValues& wind);

// The three fields as the terminal shows one report: "time: ", "raw: ", a blank
// line, then the decoded lines.
std::string ReportText(const ShownReport& shown);

}  // namespace aerolume::cli
