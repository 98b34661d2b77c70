// How much of a set of real reports the decoder leaves as it stands: the counts
// behind `aerolume-cli coverage`, kept apart from reading files and printing.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aerolume::cli {

// One report of a report-lines file: "[SOURCE<TAB>]REPORT".
struct ReportLine {
  std::string timeLine;     // "YYYY/MM/DD HH:MM" (UTC) for the report's own times
  std::string stationCode;  // the first word after METAR, SPECI, TAF, AMD or COR
  std::string body;         // the report from its station code on
  std::string dayTime;      // the word after the station code, normally DDHHMMZ
  bool isTaf = false;
};

// METAR, SPECI, TAF, AMD or COR: the words that may stand before a report's station code.
bool IsReportWord(std::string_view word);

// Nothing for a blank line. A report starting with "TAF" is a TAF; `allTaf` makes
// every report one. The time line takes the year and month of the source's
// "[YYYY-MM-DDTHH:MMZ]" where there is one (else 2000/01) and the day and time of
// the report's own DDHHMMZ group.
std::optional<ReportLine> ParseReportLine(std::string_view line, bool allTaf);

// A group's shape: every digit written as 9.
std::string ShapeOf(std::string_view group);

struct CoverageCounts {
  long reports = 0;
  long groups = 0;
  long rawGroups = 0;   // groups whose line is the group itself
  long rawReports = 0;  // reports holding at least one such group
  std::map<std::string, long> rawShapes;
};

void CountReport(const ReportLine& report, CoverageCounts& counts);

// The `limit` most common raw shapes, most common first, then in byte order.
std::vector<std::pair<std::string, long>> MostCommonShapes(const CoverageCounts& counts,
                                                           std::size_t limit);

}  // namespace aerolume::cli
