// A watched station's limits, and what one report says about each of them: crossed,
// clear, or clear by a margin wide enough that a single report may end an alert.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "conditions/flight_category.hpp"
#include "conditions/station_overview.hpp"

namespace aerolume {

// Every limit is off until set. Values are the thresholds as the user gives them.
struct WatchLimits {
  FlightCategory worseThan = FlightCategory::Unknown;  // e.g. Vfr: MVFR and worse alert
  std::optional<int> ceilingBelowFt{};
  std::optional<int> visibilityBelowM{};
  std::optional<int> crosswindAboveKt{};  // on the favoured runway, mean or gust
  std::optional<int> gustAboveKt{};
  bool thunder = false;  // TS, VCTS, CB, LTG
  bool speci = false;    // any new SPECI

  bool Any() const;
  bool operator==(const WatchLimits&) const = default;
};

enum class LimitKind { Category, Ceiling, Visibility, Crosswind, Gust, Thunder, Speci };

// "category", "ceiling", ...: the names of the JSON and of the stored settings.
std::string_view LimitName(LimitKind kind);

// What one report says about one limit.
struct LimitReading {
  LimitKind kind = LimitKind::Category;
  bool known = true;  // false when the report does not give what the limit needs
  bool crossed = false;
  bool clearByMargin = false;  // clear so plainly that one report ends an alert
  std::string text;            // "横風 17KT (RWY34R, 限度 15KT)"
  FlightCategory category = FlightCategory::Unknown;  // the report's, for the category limit
};

// One reading per limit that is set, in the order of LimitKind. The station must have
// a report.
std::vector<LimitReading> ReadLimits(const WatchLimits& limits, const OverviewStation& station);

// A SPECI: the report says so, or it was observed off the routine times (hh:00 and hh:30
// for the half-hourly stations, hh:55 to hh:59 for the hourly ones), since the data feeds
// drop the word.
bool IsSpeci(const OverviewStation& station);

// "261930Z": a report time as the reports write it.
std::string ReportDayTime(UtcMinutes time);

}  // namespace aerolume
