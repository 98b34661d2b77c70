// aerolume-cli overview: every station's latest METAR at a glance, one line each (or a
// JSON array), from the same overview the map window shows.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/fetched_overview.hpp"
#include "cli/values_json.hpp"
#include "conditions/category_reason.hpp"
#include "conditions/station_overview.hpp"
#include "translators/utc_time.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kSeparator = " | ";

std::string WindText(const std::optional<WindValue>& wind) {
  if (!wind || wind->speedKt < 0) return "-";
  if (wind->calm) return "calm";
  char text[32];
  if (wind->variable || wind->directionDegrees < 0) {
    std::snprintf(text, sizeof text, "VRB %d kt", wind->speedKt);
  } else {
    std::snprintf(text, sizeof text, "%03d %d kt", wind->directionDegrees, wind->speedKt);
  }
  std::string shown = text;
  if (wind->gustKt >= 0) shown += " gusts " + std::to_string(wind->gustKt);
  return shown;
}

std::string VisibilityText(const WeatherValues& values) {
  if (values.cavok) return "CAVOK";
  if (!values.visibility) return "-";
  if (values.visibility->tenKmOrMore) return "10 km or more";
  const char* bound = values.visibility->bound == Bound::LessThan   ? "less than "
                      : values.visibility->bound == Bound::MoreThan ? "more than "
                                                                    : "";
  return bound + std::to_string(values.visibility->metres) + " m";
}

std::string CeilingText(const WeatherValues& values) {
  if (const std::optional<Ceiling> ceiling = CeilingOf(values)) {
    return (ceiling->verticalVisibility ? "vertical visibility " : "ceiling ") +
           std::to_string(ceiling->feet) + " ft";
  }
  return values.cloudsNamed || values.cavok ? "no ceiling" : "-";
}

std::optional<long> AgeMinutes(const OverviewStation& station, UtcMinutes now) {
  if (!station.HasReport()) return std::nullopt;
  return (now - *station.observed).count();
}

std::string StationLine(const OverviewStation& station, UtcMinutes now) {
  std::string line = station.code + ' ' + station.name;
  if (!station.HasReport()) return line.append(kSeparator).append(station.failure) + '\n';
  const WeatherValues& observed = station.values.observed;
  const std::string_view category = CategoryName(CategoryOf(station));
  line.append(kSeparator).append(std::to_string(*AgeMinutes(station, now)) + " min");
  line.append(kSeparator).append(category.empty() ? "unknown" : category);
  line.append(kSeparator).append(WindText(observed.wind));
  line.append(kSeparator).append(VisibilityText(observed));
  line.append(kSeparator).append(CeilingText(observed));
  return line + '\n';
}

nlohmann::json StationJson(const OverviewStation& station, UtcMinutes now) {
  nlohmann::json object = {{"code", station.code}, {"name", station.name}};
  if (!station.HasReport()) {
    object.update({{"observed", nullptr},
                   {"age_minutes", nullptr},
                   {"category", nullptr},
                   {"values", nullptr},
                   {"failure", station.failure}});
    return object;
  }
  const std::string_view category = CategoryName(CategoryOf(station));
  object.update({{"observed", IsoUtc(*station.observed)},
                 {"age_minutes", *AgeMinutes(station, now)},
                 {"category", category.empty() ? nlohmann::json() : nlohmann::json(category)},
                 {"category_reason", CategoryReason(station.judgement)},
                 {"raw", station.report},
                 {"values", MetarValuesJson(station.values)},
                 {"failure", nullptr}});
  return object;
}

std::vector<std::string> OverviewCodes(const StationOverview& overview) {
  std::vector<std::string> codes;
  for (const OverviewStation& station : overview.Stations()) codes.push_back(station.code);
  return codes;
}

int RunOverview(const Arguments& arguments, CommandIo& io) {
  if (!arguments.operands.empty()) {
    return UsageError(io, OverviewCommand(), "unexpected operand " + arguments.operands.front());
  }
  auto options = ReadDownloadOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&options)) {
    return UsageError(io, OverviewCommand(), *message);
  }
  StationOverview overview;
  FetchIntoOverview(std::get<DownloadSettings>(options), OverviewCodes(overview), overview, io);

  const auto now = std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
  bool allReported = true;
  nlohmann::json list = nlohmann::json::array();
  std::string text;
  for (const OverviewStation& station : overview.Stations()) {
    allReported = allReported && station.HasReport();
    list.push_back(StationJson(station, now));
    text += StationLine(station, now);
  }
  if (arguments.Has("--json")) {
    PrintJson(io, list);
  } else {
    PrintText(arguments, io, text + CountLine(CountCategories(overview.Stations())) + '\n');
  }
  return allReported ? kExitOk : kExitFailed;
}

}  // namespace

const Command& OverviewCommand() {
  static const Command command{
      "overview",
      {"overview [--server URL] [--fallback URL | --no-fallback] [--json] "
       "[--encoding utf-8|cp932]"},
      "Downloads the latest METAR of all 104 stations (in one Data API request, else the\n"
      "station files six at a time) and prints one line per station: code, name, age,\n"
      "flight category, wind, visibility and ceiling, then the count per category.",
      {{"--server URL",
        "the weather server's base URL (default: "
        "https://tgftp.nws.noaa.gov/data)"},
       {"--fallback URL",
        "the Data API asked first, in one request for all stations (default: "
        "https://aviationweather.gov/api/data; none when --server is given)"},
       {"--no-fallback", "ask only the weather server, whatever --fallback says"},
       {"--json", "print a JSON array of the stations with their values and category"},
       kEncodingHelp},
      {{"--json", "--no-fallback"}, {"--server", "--fallback", "--encoding"}},
      RunOverview};
  return command;
}

}  // namespace aerolume::cli
