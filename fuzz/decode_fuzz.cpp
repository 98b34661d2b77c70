// Any bytes a server may send: normalise, split, decode as METAR and as TAF.
// The decoder must neither crash nor read outside a group.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decoder/decode_report.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = aerolume::NormalizeReportText(bytes);
  for (aerolume::ReportKind kind : {aerolume::ReportKind::Metar, aerolume::ReportKind::Taf}) {
    aerolume::ReportState state;
    state.m_stationCode = "RJTT";
    aerolume::ComposeReport(state, kind, text);
    // The groups once more under a fixed, readable issue time, so that the time
    // rules are reached whatever the first line holds.
    state.m_timeLine = "2012/05/31 23:00";
    aerolume::DecodeReport(state, kind == aerolume::ReportKind::Metar,
                           aerolume::SplitReportGroups(text, ""));
  }
  return 0;
}
