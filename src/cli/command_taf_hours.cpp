// aerolume-cli taf-hours: the station's TAF hour by hour, fetched as fetch fetches it:
// what prevails each hour and what its TEMPO and PROB groups allow, the same hours the
// history window's TAF timeline draws.
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/taf_hours_text.hpp"
#include "conditions/taf_hours.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume::cli {

namespace {

// Why the TAF cannot be laid out hour by hour, on standard error; false then.
bool ReportTafFailure(const Arguments& arguments, CommandIo& io, const DownloadResult& result) {
  for (const DownloadFailure& failure : result.failures) {
    if (failure.report == ReportKind::Taf) PrintError(arguments, io, FailureMessageText(failure));
  }
  if (result.tafText.empty()) return false;
  PrintError(arguments, io, "TAF: " + (result.tafText == "404" ? "NOT FOUND" : result.tafText));
  return false;
}

int RunTafHours(const Arguments& arguments, CommandIo& io) {
  const Command& command = TafHoursCommand();
  const StationOperand station = OneStationOperand(arguments);
  if (!station.error.empty()) return UsageError(io, command, station.error);
  const std::string& code = station.code;
  auto options = ReadDownloadOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&options)) {
    return UsageError(io, command, *message);
  }
  const DownloadResult result = DownloadStationFiles(code, std::get<DownloadSettings>(options));
  if (!IsShownText(result.tafText)) {
    ReportTafFailure(arguments, io, result);
    return kExitFailed;
  }
  ReportState state;
  state.m_stationCode = code;
  const ShownReport shown = ComposeReport(state, ReportKind::Taf, result.tafText);
  const TafValues& taf = state.m_tafValues;
  if (TafHours(taf).empty()) {
    PrintError(arguments, io, "TAF: no validity period to lay out by the hour\n" + shown.raw);
    return kExitFailed;
  }
  if (arguments.Has("--json")) {
    PrintJson(io, {{"station", code},
                   {"issued", taf.issued ? nlohmann::json(IsoUtc(*taf.issued)) : nlohmann::json()},
                   {"raw", shown.raw},
                   {"hours", TafHoursListJson(taf)}});
    return kExitOk;
  }
  PrintText(arguments, io, shown.raw + '\n' + TafHoursText(taf));
  return kExitOk;
}

}  // namespace

const Command& TafHoursCommand() {
  static const Command command{
      "taf-hours",
      {"taf-hours [--server URL] [--fallback URL | --no-fallback] [--json] "
       "[--encoding utf-8|cp932] STATION"},
      "Downloads the station's TAF, as fetch does, and prints it hour by hour in Japan time:\n"
      "flight category, wind, visibility, weather and ceiling of the prevailing forecast, and\n"
      "under the hour each TEMPO or PROB group that covers it with the same.",
      {kServerHelp,
       kFallbackHelp,
       kNoFallbackHelp,
       {"--json", "print a JSON object with each hour's conditions and alternatives"},
       kEncodingHelp},
      {{"--json", "--no-fallback"}, {"--server", "--fallback", "--encoding"}},
      RunTafHours};
  return command;
}

}  // namespace aerolume::cli
