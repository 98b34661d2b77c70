// Reports of the corpus turned into a station's history and a TAF's values as the
// program decodes them, for the tests of the history's series and its windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "conditions/station_history.hpp"
#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume::testing_support {

// A report of one station with its time line ("2026/07/23 20:30").
struct TimedReport {
  const char* timeLine;
  const char* report;  // as received, without "METAR " or "SPECI "
  bool speci = false;
};

inline HistoryReport HistoryReportOf(const std::string& code, const TimedReport& timed) {
  ReportState state;
  state.m_stationCode = code;
  const std::string file = std::string(timed.timeLine) + " " + timed.report;
  ComposeReport(state, ReportKind::Metar, file);
  HistoryReport report;
  report.observed = *UtcOfTimeLine(timed.timeLine);
  report.report = timed.report;
  report.speci = timed.speci;
  report.values = state.m_metarValues;
  report.judgement = JudgeCategory(report.values.observed);
  return report;
}

inline StationHistory HistoryOf(const std::string& code, const std::vector<TimedReport>& reports) {
  StationHistory history{code, {}};
  for (const TimedReport& timed : reports) history.reports.push_back(HistoryReportOf(code, timed));
  return history;
}

inline TafValues TafValuesOf(const std::string& code, const std::string& timeLine,
                             const std::string& report) {
  ReportState state;
  state.m_stationCode = code;
  ComposeReport(state, ReportKind::Taf, timeLine + " " + report);
  return state.m_tafValues;
}

// RJCC on the morning of 23 July 2026 (Japan time): mist, then fog down to 500 m at
// dawn; tests/data/corpus-japan-metar.txt lines 232-237. The 20:30 report is taken
// as a SPECI.
inline const std::vector<TimedReport>& RjccFogMorning() {
  static const std::vector<TimedReport> reports = {
      {"2026/07/23 17:00",
       "RJCC 231700Z VRB02KT 2000 R19R/P2000N R19L/2000N BR FEW001 BKN002 BKN003 19/19 Q1011"},
      {"2026/07/23 19:00",
       "RJCC 231900Z 22004KT 0900 R19R/P2000N R19L/P2000N FG VV001 20/19 Q1011"},
      {"2026/07/23 19:30", "RJCC 231930Z 23004KT 0800 R19R/2000N R19L/2000D FG VV001 19/19 Q1012"},
      {"2026/07/23 20:00",
       "RJCC 232000Z 20004KT 0800 R19R/1500VP2000N R19L/1000VP2000N FG VV001 20/19 Q1012"},
      {"2026/07/23 20:30",
       "RJCC 232030Z 22004KT 0500 R19R/1000VP2000D R19L/1300VP2000D FG VV001 20/20 Q1012", true},
      {"2026/07/23 21:00",
       "RJCC 232100Z 18005KT 0500 R19R/1300VP2000N R19L/1200VP2000U FG VV001 20/20 Q1012"},
  };
  return reports;
}

}  // namespace aerolume::testing_support
