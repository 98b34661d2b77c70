#include "cli/report_json.hpp"

#include "cli/command.hpp"
#include "stations/runway_wind.hpp"
#include "stations/station_runways.hpp"
#include "translators/shown_text.hpp"

namespace aerolume::cli {

nlohmann::json WindJson(const WindValues& wind) {
  return {{"direction", wind.m_windDirection},
          {"speed", wind.m_windSpeed},
          {"var_from", wind.m_windVarFrom},
          {"var_to", wind.m_windVarTo},
          {"gust", wind.m_windGust}};
}

namespace {

nlohmann::json OrNull(const std::optional<int>& value) {
  return value ? nlohmann::json(*value) : nlohmann::json();
}

}  // namespace

nlohmann::json RunwaysJson(const std::string& station, const WindValues& wind) {
  nlohmann::json runways = nlohmann::json::array();
  for (const RunwayEndWind& end : RunwayWinds(StationRunways(station), wind)) {
    const auto mean = end.mean.value_or(WindComponents{});
    runways.push_back(
        {{"ident", end.end.ident},
         {"bearing", end.end.bearing},
         {"approximate", end.end.approximate},
         {"headwind", end.mean ? OrNull(mean.headwind) : nlohmann::json()},
         {"crosswind", end.mean ? nlohmann::json(mean.crosswind) : nlohmann::json()},
         {"gust_headwind", end.gust ? OrNull(end.gust->headwind) : nlohmann::json()},
         {"gust_crosswind", end.gust ? nlohmann::json(end.gust->crosswind) : nlohmann::json()},
         {"favoured", end.favoured}});
  }
  return runways;
}

std::string RunwaysText(const std::string& station, const WindValues& wind) {
  std::string text;
  for (const RunwayEndWind& end : RunwayWinds(StationRunways(station), wind)) {
    text += "runway: " + RunwayEndText(end) + (end.favoured ? " (favoured)\n" : "\n");
  }
  return text;
}

nlohmann::json ReportJson(const std::string& station, ReportKind kind, const ShownReport& shown,
                          const WindValues& wind) {
  const bool isMetar = kind == ReportKind::Metar;
  return {{"station", station},
          {"kind", isMetar ? "metar" : "taf"},
          {"time", shown.time},
          {"raw", shown.raw},
          {"decoded", shown.decoded},
          {"lines", shown.Lines()},
          {"wind", isMetar ? WindJson(wind) : nlohmann::json()},
          {"runways", isMetar ? RunwaysJson(station, wind) : nlohmann::json()},
          {"error", shown.error ? nlohmann::json(*shown.error) : nlohmann::json()}};
}

std::string ReportText(const ShownReport& shown) {
  return "time: " + shown.time + "\nraw: " + shown.raw + "\n\n" + ToLfLineEnds(shown.decoded);
}

}  // namespace aerolume::cli
