#include "conditions/station_overview.hpp"

#include <algorithm>

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"
#include "stations/station_catalogue.hpp"
#include "stations/station_positions.hpp"

namespace aerolume {

namespace {

OverviewStation EmptyStation(std::string_view entry) {
  OverviewStation station;
  station.code = StationCode(entry);
  station.name = StationName(entry);
  station.position = StationPosition(station.code).value_or(GeoPoint{});
  return station;
}

void ClearReport(OverviewStation& station) {
  station.observed.reset();
  station.report.clear();
  station.values = {};
  station.judgement = {};
  station.failure.clear();
}

}  // namespace

StationOverview::StationOverview() {
  for (std::string_view entry : StationCatalogue()) m_stations.push_back(EmptyStation(entry));
}

std::vector<std::string> StationOverview::Codes() const {
  std::vector<std::string> codes;
  for (const OverviewStation& station : m_stations) codes.push_back(station.code);
  return codes;
}

OverviewStation* StationOverview::FindStation(std::string_view code) {
  const auto found = std::ranges::find(m_stations, code, &OverviewStation::code);
  return found == m_stations.end() ? nullptr : &*found;
}

const OverviewStation* StationOverview::Find(std::string_view code) const {
  const auto found = std::ranges::find(m_stations, code, &OverviewStation::code);
  return found == m_stations.end() ? nullptr : &*found;
}

void StationOverview::SetMetarFile(std::string_view code, const std::string& text) {
  OverviewStation* station = FindStation(code);
  if (station == nullptr) return;
  // Each station decodes in a state of its own, as if it alone had been chosen.
  ReportState state;
  state.m_stationCode = code;
  const ShownReport shown = ComposeReport(state, ReportKind::Metar, text);
  if (IsStatusText(text) || shown.error) {
    SetFailure(code, shown.error.value_or(shown.time));
    return;
  }
  ClearReport(*station);
  station->observed = UtcOfTimeLine(state.m_timeLine);
  station->report = shown.raw;
  station->values = state.m_metarValues;
  station->judgement = JudgeCategory(station->values.observed);
}

void StationOverview::SetFailure(std::string_view code, std::string why) {
  OverviewStation* station = FindStation(code);
  if (station == nullptr) return;
  ClearReport(*station);
  station->failure = std::move(why);
}

void StationOverview::RefreshMetarFile(std::string_view code, const std::string& text) {
  OverviewStation* station = FindStation(code);
  if (station == nullptr) return;
  if (!station->HasReport()) {
    SetMetarFile(code, text);
    return;
  }
  OverviewStation kept = *station;
  SetMetarFile(code, text);
  if (!station->HasReport() || *station->observed < *kept.observed) *station = std::move(kept);
}

void StationOverview::RefreshFailure(std::string_view code, std::string why) {
  const OverviewStation* station = Find(code);
  if (station != nullptr && !station->HasReport()) SetFailure(code, std::move(why));
}

FlightCategory CategoryOf(const OverviewStation& station) {
  return station.HasReport() ? station.judgement.category : FlightCategory::Unknown;
}

bool IsOldReport(const OverviewStation& station, UtcMinutes now) {
  return station.HasReport() && now - *station.observed > kOldReportAge;
}

CategoryCounts CountCategories(const std::vector<OverviewStation>& stations) {
  CategoryCounts counts;
  for (const OverviewStation& station : stations) {
    switch (CategoryOf(station)) {
      case FlightCategory::Vfr:
        ++counts.vfr;
        break;
      case FlightCategory::Mvfr:
        ++counts.mvfr;
        break;
      case FlightCategory::Ifr:
        ++counts.ifr;
        break;
      case FlightCategory::Lifr:
        ++counts.lifr;
        break;
      case FlightCategory::Unknown:
        ++counts.unknown;
        break;
    }
  }
  return counts;
}

std::string CountLine(const CategoryCounts& counts) {
  return "VFR " + std::to_string(counts.vfr) + " · MVFR " + std::to_string(counts.mvfr) +
         " · IFR " + std::to_string(counts.ifr) + " · LIFR " + std::to_string(counts.lifr) +
         " · 不明 " + std::to_string(counts.unknown);
}

}  // namespace aerolume
