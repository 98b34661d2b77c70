// Any JSON the Data API may answer with, turned into station files and decoded as
// the program shows them: the METAR's and the TAF's conversion alike, and a station's
// history from every observation of the answer.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "retrieval/data_api.hpp"
#include "retrieval/history_download.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view json(reinterpret_cast<const char*>(data), size);
  const aerolume::ApiReport metar = aerolume::MetarFileFromApi(json);
  const aerolume::ApiReport taf = aerolume::TafFileFromApi(json);
  for (const auto& [report, kind] :
       {std::pair{metar, aerolume::ReportKind::Metar}, std::pair{taf, aerolume::ReportKind::Taf}}) {
    if (report.outcome != aerolume::ApiReport::Outcome::File) continue;
    aerolume::ReportState state;
    state.m_stationCode = "RJTT";
    aerolume::ComposeReport(state, kind, aerolume::NormalizeReportText(report.text));
  }
  aerolume::StationHistoryFromApi("RJTT", json);
  return 0;
}
