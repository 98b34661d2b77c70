#include "cli/report_json.hpp"

#include "cli/command.hpp"

namespace aerolume::cli {

nlohmann::json WindJson(const WindValues& wind) {
  return {{"direction", wind.m_windDirection},
          {"speed", wind.m_windSpeed},
          {"var_from", wind.m_windVarFrom},
          {"var_to", wind.m_windVarTo}};
}

nlohmann::json ReportJson(const std::string& station, ReportKind kind, const ShownReport& shown,
                          const WindValues& wind) {
  const bool isMetar = kind == ReportKind::Metar;
  return {{"station", station},
          {"kind", isMetar ? "metar" : "taf"},
          {"time", shown.time},
          {"raw", shown.raw},
          {"decoded", shown.decoded},
          {"lines", shown.lines},
          {"wind", isMetar ? WindJson(wind) : nlohmann::json()},
          {"error", shown.error ? nlohmann::json(*shown.error) : nlohmann::json()}};
}

std::string ReportText(const ShownReport& shown) {
  return "time: " + shown.time + "\nraw: " + shown.raw + "\n\n" + ToTerminalLines(shown.decoded);
}

}  // namespace aerolume::cli
