// aerolume-cli history: a station's reports of the last hours from the Data API,
// oldest first, one line each with its values and category, as CSV or as JSON; the
// same history the history window draws.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/values_json.hpp"
#include "cli/values_text.hpp"
#include "conditions/category_reason.hpp"
#include "retrieval/history_download.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kSeparator = " | ";

// Whole numbers from 1 to the most the Data API keeps; nothing for anything else.
std::optional<int> ReadHours(const Arguments& arguments) {
  const std::optional<std::string> text = arguments.Value("--hours");
  if (!text) return kDefaultHistoryHours;
  int hours = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), hours);
  if (error != std::errc() || end != text->data() + text->size() || hours < 1 ||
      hours > kMaxHistoryHours) {
    return std::nullopt;
  }
  return hours;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string NumberOrEmpty(const std::optional<double>& value) {
  return value ? Number(*value) : std::string();
}

std::string IntOrEmpty(int value) {
  return value < 0 ? std::string() : std::to_string(value);
}

std::string ReportType(const HistoryReport& report) {
  return report.speci ? "SPECI" : "METAR";
}

std::string TemperatureText(const MetarValues& values) {
  if (!values.temperatureCelsius && !values.dewPointCelsius) return "-";
  const auto part = [](const std::optional<double>& value) {
    return value ? Number(*value) : std::string("-");
  };
  return part(values.temperatureCelsius) + '/' + part(values.dewPointCelsius) + " °C";
}

// As reported: an altimeter setting in inches with its hectopascals after it.
std::string QnhText(const MetarValues& values) {
  if (values.qnhInchesOfMercury) {
    return "A" + Number(*values.qnhInchesOfMercury) + " inHg (" +
           Number(values.qnhHectopascal.value_or(0)) + " hPa)";
  }
  if (values.qnhHectopascal) return "Q" + Number(*values.qnhHectopascal) + " hPa";
  return "-";
}

std::string ReportLine(const HistoryReport& report) {
  const WeatherValues& observed = report.values.observed;
  std::string line = JapanTimeText(report.observed) + " JST " + ReportType(report);
  for (const std::string& part :
       {CategoryText(report.judgement.category), WindText(observed.wind), VisibilityText(observed),
        WeatherText(observed), CeilingText(observed), TemperatureText(report.values),
        QnhText(report.values)}) {
    line.append(kSeparator).append(part);
  }
  return line + '\n';
}

// RFC 4180: a field holding a comma, a quote or a line end is quoted, its quotes doubled.
std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (const std::string& field : fields) {
    if (!row.empty()) row += ',';
    row += CsvField(field);
  }
  return row + '\n';
}

const std::vector<std::string> kCsvHeader = {
    "observed_utc",       "observed_jst",  "type",          "category",
    "wind_direction_deg", "wind_variable", "wind_speed_kt", "wind_gust_kt",
    "visibility_m",       "weather",       "ceiling_ft",    "temperature_c",
    "dew_point_c",        "qnh_hpa",       "qnh_inhg",      "raw"};

std::vector<std::string> CsvFields(const HistoryReport& report) {
  const MetarValues& values = report.values;
  const WeatherValues& observed = values.observed;
  const std::optional<WindValue>& wind = observed.wind;
  const std::optional<Ceiling> ceiling = CeilingOf(observed);
  const std::string_view category = CategoryName(report.judgement.category);
  return {IsoUtc(report.observed),
          JapanTimeText(report.observed),
          ReportType(report),
          std::string(category),
          wind ? IntOrEmpty(wind->directionDegrees) : "",
          wind ? (wind->variable ? "true" : "false") : "",
          wind ? IntOrEmpty(wind->speedKt) : "",
          wind ? IntOrEmpty(wind->gustKt) : "",
          observed.visibility ? std::to_string(observed.visibility->metres) : "",
          observed.weatherNamed ? WeatherText(observed) : "",
          ceiling ? std::to_string(ceiling->feet) : "",
          NumberOrEmpty(values.temperatureCelsius),
          NumberOrEmpty(values.dewPointCelsius),
          NumberOrEmpty(values.qnhHectopascal),
          NumberOrEmpty(values.qnhInchesOfMercury),
          report.report};
}

nlohmann::json ReportJson(const HistoryReport& report) {
  const std::string_view category = CategoryName(report.judgement.category);
  return {{"observed", IsoUtc(report.observed)},
          {"observed_jst", JapanTimeText(report.observed)},
          {"type", ReportType(report)},
          {"category", category.empty() ? nlohmann::json() : nlohmann::json(category)},
          {"category_reason", CategoryReason(report.judgement)},
          {"raw", report.report},
          {"values", MetarValuesJson(report.values)}};
}

nlohmann::json HistoryJson(const StationHistory& history, int hours) {
  nlohmann::json reports = nlohmann::json::array();
  for (const HistoryReport& report : history.reports) reports.push_back(ReportJson(report));
  return {{"station", history.code},
          {"hours", hours},
          {"reports", reports},
          {"failures", history.failures}};
}

void PrintHistory(const Arguments& arguments, CommandIo& io, const StationHistory& history,
                  int hours) {
  if (arguments.Has("--json")) {
    PrintJson(io, HistoryJson(history, hours));
    return;
  }
  const bool csv = arguments.Has("--csv");
  std::string text = csv ? CsvRow(kCsvHeader) : std::string();
  for (const HistoryReport& report : history.reports) {
    text += csv ? CsvRow(CsvFields(report)) : ReportLine(report);
  }
  PrintText(arguments, io, text);
}

int RunHistory(const Arguments& arguments, CommandIo& io) {
  const Command& command = HistoryCommand();
  const StationOperand station = OneStationOperand(arguments);
  if (!station.error.empty()) return UsageError(io, command, station.error);
  const std::string& code = station.code;
  if (arguments.Has("--json") && arguments.Has("--csv")) {
    return UsageError(io, command, "--json and --csv go one at a time");
  }
  const std::optional<int> hours = ReadHours(arguments);
  if (!hours) {
    return UsageError(io, command,
                      "--hours needs a whole number from 1 to " + std::to_string(kMaxHistoryHours));
  }
  auto options = ReadDownloadOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&options)) {
    return UsageError(io, command, *message);
  }
  const DownloadSettings& settings = std::get<DownloadSettings>(options);
  if (settings.fallbackBase.empty()) {
    PrintError(arguments, io, "history needs the Data API, and --no-fallback leaves none");
    return kExitFailed;
  }
  const HistoryFetch fetch =
      DownloadStationHistory(settings.limits, settings.fallbackBase, code, *hours, {});
  if (!fetch.history) {
    PrintError(arguments, io, "Data API: " + fetch.failure);
    return kExitFailed;
  }
  for (const std::string& failure : fetch.history->failures) {
    PrintError(arguments, io, "Data API: " + failure + ", left out");
  }
  PrintHistory(arguments, io, *fetch.history, *hours);
  if (fetch.history->reports.empty()) {
    PrintError(arguments, io,
               code + ": no report in the last " + std::to_string(*hours) + " hours");
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

const Command& HistoryCommand() {
  static const Command command{
      "history",
      {"history [--hours N] [--json | --csv] [--fallback URL | --no-fallback] "
       "[--encoding utf-8|cp932] STATION"},
      "Downloads the station's reports of the last hours from the Data API and prints them\n"
      "oldest first, each once, one line each: Japan time, METAR or SPECI, flight category,\n"
      "wind, visibility, weather, ceiling, temperature/dew point and QNH.",
      {{"--hours N", "how far back, 1 to 72 hours (default: 24)"},
       {"--fallback URL",
        "the Data API's base URL (default: https://aviationweather.gov/api/data)"},
       {"--no-fallback", "no Data API: history has nothing to ask, and says so"},
       {"--json", "print a JSON object with every report's values and category"},
       {"--csv", "print CSV with a header row, for spreadsheets (times in UTC and Japan time)"},
       kEncodingHelp},
      {{"--json", "--csv", "--no-fallback"}, {"--hours", "--fallback", "--encoding"}},
      RunHistory};
  return command;
}

}  // namespace aerolume::cli
