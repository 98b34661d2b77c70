#include "conditions/watch_tracker.hpp"

#include "translators/text.hpp"

namespace aerolume {

namespace {

WatchEvent Event(const OverviewStation& station, WatchEventKind kind, std::string_view text,
                 std::optional<LimitKind> limit = std::nullopt) {
  return {station.code, kind, limit, Concat({StationTitle(station), ": ", text})};
}

// "IFR → MVFR (雲底 1200フィート)" after another category, else the reading alone.
std::string CategoryText(FlightCategory before, const LimitReading& reading) {
  if (before == FlightCategory::Unknown || before == reading.category) return reading.text;
  return Concat({CategoryName(before), " → ", reading.text});
}

}  // namespace

std::string_view EventKindName(WatchEventKind kind) {
  constexpr std::string_view kNames[] = {"crossed", "cleared", "stopped", "resumed",
                                         "fetch-failed"};
  return kNames[static_cast<int>(kind)];
}

std::string StationTitle(const OverviewStation& station) {
  return station.name.empty() ? station.code : Concat({station.code, " ", station.name});
}

std::vector<WatchEvent> WatchTracker::Update(const Watch& watch, const OverviewStation& station,
                                             UtcMinutes now) {
  StationState& state = m_stations[watch.code];
  std::vector<WatchEvent> events;
  if (!station.HasReport()) {
    if (!state.failing) {
      events.push_back(Event(station, WatchEventKind::FetchFailed,
                             Concat({"取得失敗 (", station.failure, ")"})));
    }
    state.failing = true;
    return events;
  }
  state.failing = false;
  if (station.report != state.report || station.observed != state.observed) {
    if (state.stopped) {
      events.push_back(Event(station, WatchEventKind::Resumed,
                             Concat({"報告再開 (", ReportDayTime(*station.observed), ")"})));
      state.stopped = false;
    }
    for (WatchEvent& event : NewReport(watch, station, state)) events.push_back(std::move(event));
  }
  if (!state.stopped && IsOldReport(station, now)) {
    state.stopped = true;
    events.push_back(Event(station, WatchEventKind::Stopped,
                           Concat({"報告途絶 (最終 ", ReportDayTime(*station.observed), ")"})));
  }
  return events;
}

std::vector<WatchEvent> WatchTracker::NewReport(const Watch& watch, const OverviewStation& station,
                                                StationState& state) {
  std::vector<WatchEvent> events;
  const FlightCategory before = state.category;
  state.report = station.report;
  state.observed = station.observed;
  state.category = CategoryOf(station);
  for (const LimitReading& reading : ReadLimits(watch.limits, station)) {
    if (!reading.known) continue;
    LimitState& limit = state.limits[reading.kind];
    const bool isCategory = reading.kind == LimitKind::Category;
    if (reading.kind == LimitKind::Speci) {
      // A SPECI is news by itself; there is nothing to clear afterwards.
      if (reading.crossed) {
        events.push_back(Event(station, WatchEventKind::Crossed, reading.text, reading.kind));
      }
      continue;
    }
    if (reading.crossed) {
      limit.clearReports = 0;
      if (limit.crossed) continue;
      limit.crossed = true;
      events.push_back(Event(station, WatchEventKind::Crossed,
                             isCategory ? CategoryText(before, reading) : reading.text,
                             reading.kind));
    } else if (limit.crossed && (reading.clearByMargin || ++limit.clearReports >= 2)) {
      limit = {};
      events.push_back(Event(
          station, WatchEventKind::Cleared,
          Concat({"回復 ", isCategory ? CategoryText(state.toldCategory, reading) : reading.text}),
          reading.kind));
    }
    if (isCategory && !events.empty() && events.back().limit == LimitKind::Category) {
      state.toldCategory = reading.category;
    }
  }
  return events;
}

bool WatchTracker::AnyCrossed(const std::string& code) const {
  const auto found = m_stations.find(code);
  if (found == m_stations.end()) return false;
  for (const auto& [kind, limit] : found->second.limits) {
    if (limit.crossed) return true;
  }
  return false;
}

}  // namespace aerolume
