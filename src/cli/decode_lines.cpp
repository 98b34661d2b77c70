#include "cli/decode_lines.hpp"

#include <vector>

#include "cli/cli.hpp"
#include "cli/coverage.hpp"
#include "cli/input.hpp"
#include "cli/report_json.hpp"
#include "cli/time_line.hpp"
#include "cli/values_json.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume::cli {

namespace {

constexpr std::size_t kTimeLineLength = 16;

struct LinesOutcome {
  long reports = 0;
  bool allShown = true;
};

void DecodeLine(const Arguments& arguments, CommandIo& io, const LineStationFile& file, long number,
                LinesOutcome& outcome) {
  ReportState state;
  state.m_stationCode = file.stationCode;
  const ReportKind kind = file.isTaf ? ReportKind::Taf : ReportKind::Metar;
  const ShownReport shown = ComposeReport(state, kind, file.text);
  outcome.allShown = outcome.allShown && !shown.error;
  if (arguments.Has("--json")) {
    nlohmann::json object = ReportJson(file.stationCode, kind, shown, state.Wind());
    AddValuesJson(object, kind, shown, state);
    object["line"] = number;
    PrintJsonLine(io, object);
  } else {
    PrintText(arguments, io, (outcome.reports == 0 ? "" : "\n") + ReportText(shown));
    if (shown.error) {
      PrintError(arguments, io,
                 "aerolume-cli decode: line " + std::to_string(number) + ": " + *shown.error);
    }
  }
  ++outcome.reports;
}

}  // namespace

std::optional<LineStationFile> StationFileOfLine(std::string_view line, bool allTaf,
                                                 const std::optional<std::string>& timeLine,
                                                 std::chrono::sys_seconds now) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::size_t tab = line.find('\t');
  std::string_view report = tab == std::string_view::npos ? line : line.substr(tab + 1);
  std::optional<std::string> ownTimeLine;
  if (report.size() > kTimeLineLength && report[kTimeLineLength] == ' ' &&
      IsTimeLine(report.substr(0, kTimeLineLength))) {
    ownTimeLine = std::string(report.substr(0, kTimeLineLength));
    report.remove_prefix(kTimeLineLength + 1);
  }
  const std::optional<ReportLine> parsed = ParseReportLine(report, allTaf);
  if (!parsed) return std::nullopt;
  const std::string usedTimeLine = ownTimeLine ? *ownTimeLine
                                   : timeLine  ? *timeLine
                                               : TimeLineFromDayTime(parsed->dayTime, now);
  return LineStationFile{usedTimeLine + " " + NormalizeReportText(report), parsed->stationCode,
                         parsed->isTaf};
}

int RunDecodeLines(const Arguments& arguments, CommandIo& io) {
  if (arguments.Value("--station")) {
    return UsageError(io, DecodeCommand(), "--station does not go with --lines");
  }
  const std::optional<std::string> timeLine = arguments.Value("--time-line");
  if (timeLine && !IsCalendarTimeLine(*timeLine)) {
    return UsageError(io, DecodeCommand(), "--time-line needs \"YYYY/MM/DD HH:MM\"");
  }
  std::string openError;
  const auto inputs = OpenInputs(arguments.operands, io.in, openError);
  if (!openError.empty()) return UsageError(io, DecodeCommand(), openError);

  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  LinesOutcome outcome;
  for (const auto& input : inputs) {
    const long tooLong = ForEachLine(*input, [&](std::string_view line, long number) {
      const auto file = StationFileOfLine(line, arguments.Has("--taf"), timeLine, now);
      if (file) DecodeLine(arguments, io, *file, number, outcome);
    });
    if (!input->Error().empty()) return UsageError(io, DecodeCommand(), input->Error());
    if (tooLong != 0) {
      PrintError(arguments, io, "aerolume-cli decode: " + LineTooLongMessage(*input, tooLong));
      return kExitFailed;
    }
  }
  if (outcome.reports == 0) {
    PrintError(arguments, io, "aerolume-cli decode: no report in the input");
    return kExitFailed;
  }
  return outcome.allShown ? kExitOk : kExitFailed;
}

}  // namespace aerolume::cli
