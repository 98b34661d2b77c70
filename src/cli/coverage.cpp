#include "cli/coverage.hpp"

#include <algorithm>
#include <cstdio>

#include "decoder/decode_report.hpp"
#include "retrieval/station_file.hpp"
#include "translators/text.hpp"

namespace aerolume::cli {

namespace {

constexpr std::string_view kDefaultYearMonth = "2000/01";

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) break;
    text.remove_prefix(begin);
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

// "owner/repo/path@commit [2018-09-26T17:06Z]" -> "2018/09"
std::string YearMonthOfSource(std::string_view source) {
  const std::size_t open = source.rfind('[');
  if (open == std::string_view::npos || source.size() < open + 8) {
    return std::string(kDefaultYearMonth);
  }
  const std::string_view year = source.substr(open + 1, 4);
  const std::string_view month = source.substr(open + 6, 2);
  if (!IsAllDigits(year) || !IsAllDigits(month)) return std::string(kDefaultYearMonth);
  return std::string(year) + "/" + std::string(month);
}

// "261706Z" -> "26 17:06"; day 1 at midnight when the group is not of that shape.
std::string DayAndTimeOf(std::string_view dayTime) {
  if (dayTime.size() != 7 || dayTime.back() != 'Z' || !IsAllDigits(dayTime.substr(0, 6))) {
    return "01 00:00";
  }
  return std::string(dayTime.substr(0, 2)) + " " + std::string(dayTime.substr(2, 2)) + ":" +
         std::string(dayTime.substr(4, 2));
}

bool IsRawStep(const DecodedStep& step, const GroupList& groups) {
  return step.firstGroup == step.lastGroup && step.text == groups[step.firstGroup];
}

}  // namespace

bool IsReportWord(std::string_view word) {
  return word == "METAR" || word == "SPECI" || word == "TAF" || word == "AMD" || word == "COR";
}

std::optional<ReportLine> ParseReportLine(std::string_view line, bool allTaf) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t tab = line.find('\t');
  const std::string_view source = tab == std::string_view::npos ? "" : line.substr(0, tab);
  const std::string report =
      NormalizeReportText(tab == std::string_view::npos ? line : line.substr(tab + 1));
  const std::vector<std::string_view> words = Words(report);
  if (words.empty()) return std::nullopt;

  ReportLine parsed;
  parsed.isTaf = allTaf || words.front() == "TAF";
  std::size_t code = 0;
  while (code < words.size() && IsReportWord(words[code])) ++code;
  if (code < words.size()) parsed.stationCode = std::string(words[code]);
  const std::string_view dayTime = code + 1 < words.size() ? words[code + 1] : "";
  parsed.dayTime = std::string(dayTime);
  parsed.timeLine = YearMonthOfSource(source) + "/" + DayAndTimeOf(dayTime);
  const std::size_t codeAt = report.find(parsed.stationCode);
  parsed.body = codeAt == std::string::npos ? report : report.substr(codeAt);
  return parsed;
}

std::string ShapeOf(std::string_view group) {
  std::string shape(group);
  for (char& c : shape) {
    if (c >= '0' && c <= '9') c = '9';
  }
  return shape;
}

void CountReport(const ReportLine& report, CoverageCounts& counts) {
  ReportState state;
  state.m_stationCode = report.stationCode;
  state.m_timeLine = report.timeLine;
  const GroupList groups = SplitReportGroups(report.body, report.stationCode);
  bool anyRaw = false;
  for (const DecodedStep& step : DecodeReportSteps(state, !report.isTaf, groups)) {
    if (!IsRawStep(step, groups)) continue;
    anyRaw = true;
    ++counts.rawGroups;
    ++counts.rawShapes[ShapeOf(groups[step.firstGroup])];
  }
  ++counts.reports;
  counts.groups += static_cast<long>(groups.size());
  if (anyRaw) ++counts.rawReports;
}

std::vector<std::pair<std::string, long>> MostCommonShapes(const CoverageCounts& counts,
                                                           std::size_t limit) {
  std::vector<std::pair<std::string, long>> shapes(counts.rawShapes.begin(),
                                                   counts.rawShapes.end());
  std::stable_sort(shapes.begin(), shapes.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  if (shapes.size() > limit) shapes.resize(limit);
  return shapes;
}

}  // namespace aerolume::cli
