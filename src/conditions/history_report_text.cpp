#include "conditions/history_report_text.hpp"

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume {

std::vector<std::string> HistoryReportLines(std::string_view stationCode,
                                            const HistoryReport& report) {
  // Decoded in a state of its own, as if the station had just been chosen with this
  // report as its file.
  ReportState state;
  state.m_stationCode = stationCode;
  const ShownReport shown =
      ComposeReport(state, ReportKind::Metar, TimeLineAt(report.observed) + " " + report.report);
  return shown.Lines();
}

}  // namespace aerolume
