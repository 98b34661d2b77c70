// A station over time: its reports of the last hours as values, oldest first, each
// report once. The history window's strips and `aerolume-cli history` are two views
// of it; it knows nothing of either, nor of how the reports were fetched.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/flight_category.hpp"
#include "decoder/report_values.hpp"
#include "translators/utc_time.hpp"

namespace aerolume {

struct HistoryReport {
  UtcMinutes observed;
  std::string report;  // as received, without a leading "METAR " or "SPECI " and a trailing "="
  bool speci = false;
  std::vector<std::string> lines;  // decoded, one per group, as the main window shows them
  MetarValues values;
  CategoryJudgement judgement;
};

struct StationHistory {
  std::string code;
  std::vector<HistoryReport> reports;  // oldest first; a report the answer repeats appears once
  std::vector<std::string> failures;   // what was left out, and why ("entry 3: no rawOb")
};

// One observation as a station file (the time line, a line end, the report) and whether
// its source marks it a SPECI.
struct ObservationFile {
  std::string file;
  bool speci = false;
};

// Each observation decoded in a state of its own, as if it alone had been shown; oldest
// first, a report given twice for the same time once. `failures` are kept, and a file
// whose time line cannot be read joins them.
StationHistory BuildStationHistory(std::string_view code,
                                   const std::vector<ObservationFile>& observations,
                                   std::vector<std::string> failures = {});

}  // namespace aerolume
