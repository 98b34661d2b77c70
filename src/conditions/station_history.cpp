#include "conditions/station_history.hpp"

#include <algorithm>

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume {

namespace {

// The report as the main window would show it for this station, or why it cannot be.
std::optional<HistoryReport> DecodeObservation(std::string_view code,
                                               const ObservationFile& observation,
                                               std::string& failure) {
  ReportState state;
  state.m_stationCode = code;
  const ShownReport shown =
      ComposeReport(state, ReportKind::Metar, NormalizeReportText(observation.file));
  const std::optional<UtcMinutes> observed = UtcOfTimeLine(state.m_timeLine);
  if (shown.error || !observed) {
    failure = shown.error.value_or(UnreadableTimeMessage(state.m_timeLine));
    return std::nullopt;
  }
  HistoryReport report;
  report.observed = *observed;
  report.report = shown.raw;
  report.speci = observation.speci;
  report.lines = shown.Lines();
  report.values = state.m_metarValues;
  report.judgement = JudgeCategory(report.values.observed);
  return report;
}

bool SameReport(const HistoryReport& a, const HistoryReport& b) {
  return a.observed == b.observed && a.report == b.report;
}

}  // namespace

StationHistory BuildStationHistory(std::string_view code,
                                   const std::vector<ObservationFile>& observations,
                                   std::vector<std::string> failures) {
  StationHistory history{std::string(code), {}, std::move(failures)};
  for (const ObservationFile& observation : observations) {
    std::string failure;
    if (auto report = DecodeObservation(code, observation, failure)) {
      history.reports.push_back(std::move(*report));
    } else {
      history.failures.push_back(std::move(failure));
    }
  }
  // Stable, so that two different reports of the same minute keep the answer's order.
  // The iterator forms, not the ranges ones, which clang does not take with this standard
  // library (the fuzz targets are built with clang).
  std::stable_sort(history.reports.begin(), history.reports.end(),
                   [](const HistoryReport& a, const HistoryReport& b) {
                     return a.observed < b.observed;
                   });
  history.reports.erase(std::unique(history.reports.begin(), history.reports.end(), SameReport),
                        history.reports.end());
  return history;
}

}  // namespace aerolume
