// Reports of the corpus turned into a station's history and a TAF's values as the
// program decodes them, for the tests of the history's series and its windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "conditions/station_history.hpp"
#include "conditions/taf_file.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume::testing_support {

// A report of one station with its time line ("2026/07/23 20:30").
struct TimedReport {
  const char* timeLine;
  const char* report;  // as received, without "METAR " or "SPECI "
  bool speci = false;
};

// Through the same reading as the Data API's answers.
inline StationHistory HistoryOf(const std::string& code, const std::vector<TimedReport>& reports) {
  std::vector<ObservationFile> files;
  for (const TimedReport& timed : reports) {
    files.push_back({std::string(timed.timeLine) + "\n" + timed.report + "\n", timed.speci});
  }
  return BuildStationHistory(code, files);
}

inline TafValues TafValuesOf(const std::string& code, const std::string& timeLine,
                             const std::string& report) {
  return TafValuesOfFile(code, NormalizeReportText(timeLine + "\n" + report + "\n")).value();
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
