// Whether a watched station's latest report is news: a limit crossed, a crossed one
// clear again ("回復"), the station silent or back. Each change is told once: a report
// already seen tells nothing, a limit that stays crossed is not repeated, and a limit
// clears only by a margin or in two reports in a row, so that it does not flap.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "conditions/station_overview.hpp"
#include "conditions/watch_limits.hpp"
#include "translators/utc_time.hpp"

namespace aerolume {

struct Watch {
  std::string code;
  WatchLimits limits;

  bool operator==(const Watch&) const = default;
};

enum class WatchEventKind { Crossed, Cleared, Stopped, Resumed, FetchFailed };

struct WatchEvent {
  std::string code;
  WatchEventKind kind = WatchEventKind::Crossed;
  std::optional<LimitKind> limit;  // for Crossed and Cleared
  std::string message;  // "RJAA 成田国際空港: IFR → MVFR (雲底 1200フィート)"

  // A failed fetch is noted but not worth a notification: the next check may succeed.
  bool IsAlert() const { return kind != WatchEventKind::FetchFailed; }
};

// "crossed", "cleared", "stopped", "resumed", "fetch-failed".
std::string_view EventKindName(WatchEventKind kind);

// "RJAA 成田国際空港".
std::string StationTitle(const OverviewStation& station);

class WatchTracker {
 public:
  // The news in the station's latest state (a report, or why there is none) at `now`.
  std::vector<WatchEvent> Update(const Watch& watch, const OverviewStation& station,
                                 UtcMinutes now);
  // Whether any limit of the station is crossed as far as the reports told so far.
  bool AnyCrossed(const std::string& code) const;
  void Forget(const std::string& code) { m_stations.erase(code); }

 private:
  struct LimitState {
    bool crossed = false;
    int clearReports = 0;  // clear reports in a row since it was crossed
  };
  struct StationState {
    std::string report;  // the last report seen, to tell each report once
    std::optional<UtcMinutes> observed;
    FlightCategory category = FlightCategory::Unknown;      // the last report's
    FlightCategory toldCategory = FlightCategory::Unknown;  // at the last category news
    std::map<LimitKind, LimitState> limits;
    bool stopped = false;
    bool failing = false;
  };

  std::vector<WatchEvent> NewReport(const Watch& watch, const OverviewStation& station,
                                    StationState& state);

  std::map<std::string, StationState> m_stations;
};

}  // namespace aerolume
