#include "history/station_over_time.hpp"

#include "conditions/taf_file.hpp"

namespace aerolume {

StationOverTime FetchStationOverTime(const DownloadSettings& settings, std::string_view code,
                                     const std::stop_token& stop) {
  StationOverTime result;
  result.history = DownloadStationHistory(settings.limits, settings.fallbackBase, code,
                                          kDefaultHistoryHours, stop);
  if (stop.stop_requested()) return result;
  CurlReportSource source(settings);
  const DownloadResult reports = source.DownloadReports(std::string(code), stop);
  if (!reports.stopped) result.taf = TafValuesOfFile(code, reports.tafText);
  return result;
}

}  // namespace aerolume
