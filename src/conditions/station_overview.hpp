// The overview of all of Japan: every catalogue station at its place with its latest
// METAR's values and flight category. The map window and `aerolume-cli overview` are
// two views of it; it knows nothing of either, nor of how the reports were fetched.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/flight_category.hpp"
#include "decoder/report_values.hpp"
#include "geography/geo_point.hpp"
#include "translators/utc_time.hpp"

namespace aerolume {

// A report older than this is drawn hollow: the station may have stopped reporting.
inline constexpr std::chrono::minutes kOldReportAge{90};

struct OverviewStation {
  std::string code;
  std::string name;  // Japanese, as the station list shows it
  GeoPoint position;
  std::optional<UtcMinutes> observed;  // the report's time; nothing while there is no report
  std::string report;                  // the METAR as received
  MetarValues values;
  CategoryJudgement judgement;
  std::string failure;  // why there is no report ("NOT FOUND", a transfer's fault)

  bool HasReport() const { return observed.has_value(); }
};

struct CategoryCounts {
  int vfr = 0;
  int mvfr = 0;
  int ifr = 0;
  int lifr = 0;
  int unknown = 0;  // no report, or a report that gives neither sky nor visibility
};

class StationOverview {
 public:
  // Every catalogue station in the list's order, none with a report yet.
  StationOverview();

  // A normalised METAR station file, or a status text such as "404". A file whose time
  // cannot be read counts as a failure; whatever came before for the station is replaced.
  void SetMetarFile(std::string_view code, const std::string& text);
  void SetFailure(std::string_view code, std::string why);
  // The same for a refresh: a station that has a report keeps it unless a newer one
  // comes (a lagging source never turns it back), and keeps it through a failure, its
  // age saying how old it is by then.
  void RefreshMetarFile(std::string_view code, const std::string& text);
  void RefreshFailure(std::string_view code, std::string why);

  const std::vector<OverviewStation>& Stations() const { return m_stations; }
  // The stations' codes in the same order: what a fetch asks for.
  std::vector<std::string> Codes() const;
  // Nothing for a code outside the catalogue.
  const OverviewStation* Find(std::string_view code) const;

 private:
  OverviewStation* FindStation(std::string_view code);

  std::vector<OverviewStation> m_stations;
};

// Unknown for a station without a report.
FlightCategory CategoryOf(const OverviewStation& station);
bool IsOldReport(const OverviewStation& station, UtcMinutes now);

CategoryCounts CountCategories(const std::vector<OverviewStation>& stations);
// "VFR 78 · MVFR 12 · IFR 6 · LIFR 2 · 不明 6".
std::string CountLine(const CategoryCounts& counts);

}  // namespace aerolume
