// aerolume-cli coverage: how many groups of a file of real reports the decoder
// still shows as they stand, and their most common shapes.
#include <cstdio>
#include <fstream>
#include <istream>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/coverage.hpp"

namespace aerolume::cli {

namespace {

constexpr std::size_t kShapesShown = 20;

void CountLines(std::istream& in, bool allTaf, CoverageCounts& counts) {
  for (std::string line; std::getline(in, line);) {
    if (const std::optional<ReportLine> report = ParseReportLine(line, allTaf)) {
      CountReport(*report, counts);
    }
  }
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
  const bool allTaf = arguments.Has("--taf");
  CoverageCounts counts;
  if (arguments.operands.empty()) CountLines(io.in, allTaf, counts);
  for (const std::string& name : arguments.operands) {
    if (name == "-") {
      CountLines(io.in, allTaf, counts);
      continue;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) return UsageError(io, CoverageCommand(), "cannot read " + name);
    CountLines(file, allTaf, counts);
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
      "coverage", "coverage [--taf] [--json] [FILE...]", {{"--taf", "--json"}, {}}, RunCoverage};
  return command;
}

}  // namespace aerolume::cli
