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
  MetarValues values;
  CategoryJudgement judgement;
};

struct StationHistory {
  std::string code;
  std::vector<HistoryReport> reports;  // oldest first; a report the answer repeats appears once
};

}  // namespace aerolume
