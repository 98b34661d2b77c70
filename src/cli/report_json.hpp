// The JSON forms of what the program shows: one report's fields and the wind values.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume::cli {

nlohmann::json WindJson(const WindValues& wind);

// {"station", "kind", "time", "raw", "decoded", "lines", "wind", "error"}; "wind" is
// null after a TAF, which never carries the observed wind.
nlohmann::json ReportJson(const std::string& station, ReportKind kind, const ShownReport& shown,
                          const WindValues& wind);

// The three fields as the terminal shows one report: "time: ", "raw: ", a blank
// line, then the decoded lines.
std::string ReportText(const ShownReport& shown);

}  // namespace aerolume::cli
