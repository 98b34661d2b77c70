// A METAR for every catalogue station, of all four flight categories, for the overview's
// benchmarks: four real reports with each station's code in place of their own, and
// every tenth station without one (its file missing).
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "stations/station_catalogue.hpp"
#include "translators/utc_time.hpp"

namespace aerolume::bench_support {

struct StationReport {
  std::string code;
  std::string timeLine;  // "" for a station without a report
  std::string report;    // "RJTT 022200Z ...", beginning with the station's own code
};

// Real reports of tests/data/corpus-japan-metar.txt, as the map's tests use them.
struct ReportTemplate {
  const char* timeLine;
  const char* report;
};
inline constexpr ReportTemplate kReportTemplates[] = {
    // line 32: VFR
    {"2026/07/29 21:30", "RJAA 292130Z VRB02KT CAVOK 27/24 Q1004 NOSIG"},
    // line 316: MVFR
    {"2020/05/02 00:00", "RJCW 020000Z 20015KT 9999 -SHRA FEW015 BKN020 11/08 Q0998"},
    // line 1077: IFR
    {"2026/06/02 22:00",
     "RJTT 022200Z 09024KT 2000 R34L/P2000N R22/2000N R34R/1800D R05/P2000N +SHRA BR FEW004 "
     "BKN010 19/18 Q1000 BECMG 08034KT TEMPO 08034G44KT 1500 +SHRA BR FEW003 BKN005"},
    // line 111: LIFR
    {"2026/07/28 18:00", "RJAH 281800Z 25004KT 0600 R21/0400V0550U FG VV001 24/24 Q1004"},
};

inline std::vector<StationReport> MixedStationReports() {
  constexpr std::size_t kEveryTenth = 10;
  std::vector<StationReport> reports;
  for (std::string_view entry : StationCatalogue()) {
    StationReport station{std::string(StationCode(entry)), {}, {}};
    const std::size_t index = reports.size();
    if (index % kEveryTenth != kEveryTenth - 1) {
      const ReportTemplate& from = kReportTemplates[index % std::size(kReportTemplates)];
      station.timeLine = from.timeLine;
      station.report = station.code + std::string(from.report).substr(station.code.size());
    }
    reports.push_back(std::move(station));
  }
  return reports;
}

// The station file the weather server keeps.
inline std::string StationFileOf(const StationReport& station) {
  return station.timeLine + "\n" + station.report + "\n";
}

// Ten minutes after the VFR report: the others are older than 90 minutes by then and
// drawn hollow, as after a night without news.
inline UtcMinutes OverviewNow() {
  return *UtcOfTimeLine(kReportTemplates[0].timeLine) + std::chrono::minutes(10);
}

}  // namespace aerolume::bench_support
