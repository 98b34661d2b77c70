// aerolume-cli coverage: how many groups of a file of real reports the decoder
// still shows as they stand, and their most common shapes.
#include <cstdio>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/coverage.hpp"
#include "cli/input.hpp"

namespace aerolume::cli {

namespace {

constexpr std::size_t kShapesShown = 20;

// False when a line is longer than any report, after saying so.
bool CountLines(const Arguments& arguments, InputStream& input, CoverageCounts& counts,
                CommandIo& io) {
  const long tooLong = ForEachLine(input, [&](std::string_view line, long) {
    if (const std::optional<ReportLine> report = ParseReportLine(line, arguments.Has("--taf"))) {
      CountReport(*report, counts);
    }
  });
  if (tooLong == 0) return true;
  PrintError(arguments, io, "aerolume-cli coverage: " + LineTooLongMessage(input, tooLong));
  return false;
}

std::string Percent(long part, long whole) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f%%", whole == 0 ? 0.0 : 100.0 * part / whole);
  return buffer;
}

nlohmann::json CoverageJson(const CoverageCounts& counts) {
  nlohmann::json shapes = nlohmann::json::array();
  for (const auto& [shape, count] : MostCommonShapes(counts, kShapesShown)) {
    shapes.push_back({{"shape", shape}, {"count", count}});
  }
  return {{"reports", counts.reports},
          {"groups", counts.groups},
          {"raw_groups", counts.rawGroups},
          {"raw_reports", counts.rawReports},
          {"shapes", shapes}};
}

std::string CoverageText(const CoverageCounts& counts) {
  std::string text = "reports: " + std::to_string(counts.reports) + "\n";
  text += "groups: " + std::to_string(counts.groups) + "\n";
  text += "groups shown as they stand: " + std::to_string(counts.rawGroups) + " (" +
          Percent(counts.rawGroups, counts.groups) + ")\n";
  text += "reports holding one: " + std::to_string(counts.rawReports) + " (" +
          Percent(counts.rawReports, counts.reports) + ")\n";
  text += "most common shapes shown as they stand:\n";
  for (const auto& [shape, count] : MostCommonShapes(counts, kShapesShown)) {
    char countText[24];
    std::snprintf(countText, sizeof countText, "%7ld  ", count);
    text += countText + shape + "\n";
  }
  return text;
}

int RunCoverage(const Arguments& arguments, CommandIo& io) {
  std::string openError;
  const auto inputs = OpenInputs(arguments.operands, io.in, openError);
  if (!openError.empty()) return UsageError(io, CoverageCommand(), openError);
  CoverageCounts counts;
  for (const auto& input : inputs) {
    if (!CountLines(arguments, *input, counts, io)) return kExitFailed;
    if (!input->Error().empty()) return UsageError(io, CoverageCommand(), input->Error());
  }
  if (counts.reports == 0) {
    PrintError(arguments, io, "aerolume-cli coverage: no report in the input");
    return kExitFailed;
  }
  if (arguments.Has("--json")) {
    PrintJson(io, CoverageJson(counts));
  } else {
    PrintText(arguments, io, CoverageText(counts));
  }
  return kExitOk;
}

}  // namespace

const Command& CoverageCommand() {
  static const Command command{
      "coverage",
      {"coverage [--taf] [--json] [FILE...]"},
      "For maintainers of the decoder: how many groups of a file of report lines\n"
      "([SOURCE<TAB>]REPORT) are still shown as they stand, and their commonest shapes.",
      {{"--taf", "read every report as a TAF (else a line starting with TAF is one)"}, kJsonHelp},
      {{"--taf", "--json"}, {}},
      RunCoverage};
  return command;
}

}  // namespace aerolume::cli
