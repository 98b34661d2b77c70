// aerolume-cli watch: the watched stations' latest METARs against the user's limits,
// checked once for scripts and cron, or again and again with a line per change.
#include <chrono>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/fetched_overview.hpp"
#include "cli/watch_options.hpp"
#include "conditions/watch_limits.hpp"
#include "conditions/watch_tracker.hpp"
#include "translators/utc_time.hpp"

namespace aerolume::cli {

namespace {

// A limit crossed: worth a script's attention, unlike a failed download.
constexpr int kExitCrossed = 3;

UtcMinutes Now() {
  return std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
}

std::vector<std::string> WatchedCodes(const WatchOptions& options) {
  std::vector<std::string> codes;
  for (const Watch& watch : options.watches) codes.push_back(watch.code);
  return codes;
}

StationOverview FetchWatched(const DownloadSettings& settings, const WatchOptions& options,
                             CommandIo& io) {
  StationOverview overview;
  FetchIntoOverview(settings, WatchedCodes(options), overview, io);
  return overview;
}

std::vector<LimitReading> CrossedReadings(const Watch& watch, const OverviewStation& station) {
  std::vector<LimitReading> crossed;
  for (LimitReading& reading : ReadLimits(watch.limits, station)) {
    if (reading.crossed) crossed.push_back(std::move(reading));
  }
  return crossed;
}

// "RJAA 成田国際空港: IFR (雲底 800フィート); 横風 17KT (RWY34R, 限度 15KT)",
// "... : 限度内 (111030Z)", "... : 取得失敗 (NOT FOUND)".
std::string StatusLine(const OverviewStation& station, const std::vector<LimitReading>& crossed) {
  std::string line = StationTitle(station) + ": ";
  if (!station.HasReport()) return line + "取得失敗 (" + station.failure + ")\n";
  if (crossed.empty()) return line + "限度内 (" + ReportDayTime(*station.observed) + ")\n";
  for (std::size_t i = 0; i < crossed.size(); ++i) line += (i ? "; " : "") + crossed[i].text;
  return line + '\n';
}

nlohmann::json StatusJson(const OverviewStation& station,
                          const std::vector<LimitReading>& crossed) {
  nlohmann::json limits = nlohmann::json::array();
  for (const LimitReading& reading : crossed) {
    limits.push_back({{"limit", LimitName(reading.kind)}, {"text", reading.text}});
  }
  const bool reported = station.HasReport();
  return {{"code", station.code},
          {"name", station.name},
          {"observed", reported ? nlohmann::json(IsoUtc(*station.observed)) : nlohmann::json()},
          {"raw", reported ? nlohmann::json(station.report) : nlohmann::json()},
          {"within_limits", reported && crossed.empty()},
          {"crossed", limits},
          {"failure", reported ? nlohmann::json() : nlohmann::json(station.failure)}};
}

int CheckOnce(const Arguments& arguments, const DownloadSettings& settings,
              const WatchOptions& options, CommandIo& io) {
  const StationOverview overview = FetchWatched(settings, options, io);
  bool anyCrossed = false;
  bool anyFailed = false;
  nlohmann::json stations = nlohmann::json::array();
  std::string text;
  for (const Watch& watch : options.watches) {
    const OverviewStation& station = *overview.Find(watch.code);
    const std::vector<LimitReading> crossed =
        station.HasReport() ? CrossedReadings(watch, station) : std::vector<LimitReading>{};
    anyCrossed = anyCrossed || !crossed.empty();
    anyFailed = anyFailed || !station.HasReport();
    stations.push_back(StatusJson(station, crossed));
    text += StatusLine(station, crossed);
  }
  if (arguments.Has("--json")) {
    PrintJson(io, {{"stations", stations}, {"crossed", anyCrossed}, {"failed", anyFailed}});
  } else {
    PrintText(arguments, io, text);
  }
  return anyCrossed ? kExitCrossed : anyFailed ? kExitFailed : kExitOk;
}

nlohmann::json EventJson(const WatchEvent& event, UtcMinutes now) {
  return {{"time", IsoUtc(now)},
          {"code", event.code},
          {"event", EventKindName(event.kind)},
          {"limit", event.limit ? nlohmann::json(LimitName(*event.limit)) : nlohmann::json()},
          {"message", event.message}};
}

// One line per change, written at once so that a pipe sees it when it happens; a failed
// download is only noted on standard error.
void PrintEvent(const Arguments& arguments, CommandIo& io, const WatchEvent& event,
                UtcMinutes now) {
  if (!event.IsAlert()) {
    PrintError(arguments, io, event.message);
  } else if (arguments.Has("--json")) {
    PrintJsonLine(io, EventJson(event, now));
  } else {
    PrintText(arguments, io, event.message + '\n');
  }
  io.out.flush();
  io.err.flush();
}

int KeepWatching(const Arguments& arguments, const DownloadSettings& settings,
                 const WatchOptions& options, CommandIo& io) {
  WatchTracker tracker;
  for (long check = 1;; ++check) {
    const StationOverview overview = FetchWatched(settings, options, io);
    const UtcMinutes now = Now();
    for (const Watch& watch : options.watches) {
      for (const WatchEvent& event : tracker.Update(watch, *overview.Find(watch.code), now)) {
        PrintEvent(arguments, io, event, now);
      }
    }
    if (options.checks && check >= *options.checks) return kExitOk;
    std::this_thread::sleep_for(*options.interval);
  }
}

int RunWatch(const Arguments& arguments, CommandIo& io) {
  auto download = ReadDownloadOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&download)) {
    return UsageError(io, WatchCommand(), *message);
  }
  auto options = ReadWatchOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&options)) {
    return UsageError(io, WatchCommand(), *message);
  }
  const WatchOptions& watch = std::get<WatchOptions>(options);
  const DownloadSettings& settings = std::get<DownloadSettings>(download);
  return watch.interval ? KeepWatching(arguments, settings, watch, io)
                        : CheckOnce(arguments, settings, watch, io);
}

}  // namespace

const Command& WatchCommand() {
  static const Command command{
      "watch",
      {"watch STATION... [--category VFR|MVFR|IFR] [--ceiling FT] [--visibility M] "
       "[--crosswind KT] [--gust KT] [--thunder] [--speci] [--json] "
       "[--once | --interval MIN [--checks N]] [--server URL] [--fallback URL | --no-fallback] "
       "[--encoding utf-8|cp932]"},
      "Checks the latest METAR of each station against the limits (in one Data API request,\n"
      "else the station files). --once (the default) prints one line per station and exits\n"
      "3 when any limit is crossed, else 1 when any report could not be fetched, else 0.\n"
      "--interval keeps watching and prints one line per change as it happens: a limit\n"
      "crossed, a crossed one clear again (\"回復\", by a margin or in two reports in a\n"
      "row), a station that has stopped reporting or is back.",
      {{"--category VFR|MVFR|IFR", "alert when the flight category is worse than this"},
       {"--ceiling FT", "alert when the ceiling is below FT feet"},
       {"--visibility M", "alert when the visibility is below M metres"},
       {"--crosswind KT",
        "alert when the crosswind on the favoured runway, mean or gust, is above KT knots"},
       {"--gust KT", "alert when the gust is above KT knots"},
       {"--thunder", "alert on a thunderstorm or CB (TS, VCTS, CB, LTG)"},
       {"--speci", "alert on every new SPECI"},
       {"--once", "check now and exit (the default)"},
       {"--interval MIN", "check every MIN minutes (a fraction allowed) and print each change"},
       {"--checks N", "with --interval: stop after N checks"},
       {"--json", "print a JSON object (--once) or one JSON Line per change (--interval)"},
       {"--server URL",
        "the weather server's base URL (default: "
        "https://tgftp.nws.noaa.gov/data)"},
       {"--fallback URL",
        "the Data API asked first, in one request for all watched stations (default: "
        "https://aviationweather.gov/api/data; none when --server is given)"},
       {"--no-fallback", "ask only the weather server, whatever --fallback says"},
       kEncodingHelp},
      {{"--json", "--no-fallback", "--once", "--thunder", "--speci"},
       {"--server", "--fallback", "--encoding", "--category", "--ceiling", "--visibility",
        "--crosswind", "--gust", "--interval", "--checks"}},
      RunWatch};
  return command;
}

}  // namespace aerolume::cli
