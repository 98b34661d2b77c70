// aerolume-cli overview: every station's latest METAR at a glance, one line each (or a
// JSON array), from the same overview the map window shows.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/values_json.hpp"
#include "cli/values_text.hpp"
#include "conditions/category_reason.hpp"
#include "conditions/station_overview.hpp"
#include "retrieval/overview_fetch.hpp"
#include "translators/utc_time.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kSeparator = " | ";

std::optional<long> AgeMinutes(const OverviewStation& station, UtcMinutes now) {
  if (!station.HasReport()) return std::nullopt;
  return (now - *station.observed).count();
}

std::string StationLine(const OverviewStation& station, UtcMinutes now) {
  std::string line = station.code + ' ' + station.name;
  if (!station.HasReport()) return line.append(kSeparator).append(station.failure) + '\n';
  const WeatherValues& observed = station.values.observed;
  line.append(kSeparator).append(std::to_string(*AgeMinutes(station, now)) + " min");
  line.append(kSeparator).append(CategoryText(CategoryOf(station)));
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
  const OverviewFetch fetch = FetchOverview(std::get<DownloadSettings>(options),
                                            OverviewCodes(overview), std::stop_token(), {});
  if (!fetch.apiFailure.empty()) {
    io.err << "Data API: " << fetch.apiFailure << "; station files used instead\n";
  }
  ApplyAnswers(overview, fetch.answers);

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
      {kServerHelp,
       {"--fallback URL",
        "the Data API asked first, in one request for all stations (default: "
        "https://aviationweather.gov/api/data; none when --server is given)"},
       kNoFallbackHelp,
       {"--json", "print a JSON array of the stations with their values and category"},
       kEncodingHelp},
      {{"--json", "--no-fallback"}, {"--server", "--fallback", "--encoding"}},
      RunOverview};
  return command;
}

}  // namespace aerolume::cli
