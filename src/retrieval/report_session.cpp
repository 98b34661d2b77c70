#include "retrieval/report_session.hpp"

#include <array>
#include <utility>

#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume {

namespace {

// The order in which a new cycle empties the fields, as the dialog has always done.
constexpr std::array kFieldsInClearingOrder = {
    ReportField::MetarRaw, ReportField::MetarDecoded, ReportField::MetarTime,
    ReportField::TafRaw,   ReportField::TafDecoded,   ReportField::TafTime,
};

// A background refresh must not put a passing server error over a good report; a
// station that stopped issuing one (404) is news, though.
bool RefreshableText(const std::string& text) {
  return !IsStatusText(text) || text == "404";
}

// A refreshed report issued before the one shown (a lagging mirror or second source)
// must not take its place.
bool OlderThanShown(const std::string& refreshed, const std::string& shown) {
  if (IsStatusText(refreshed) || IsStatusText(shown)) return false;
  const auto refreshedIssued = ReadIssueTime(TimeLineOf(refreshed));
  const auto shownIssued = ReadIssueTime(TimeLineOf(shown));
  return refreshedIssued && shownIssued && *refreshedIssued < *shownIssued;
}

}  // namespace

ReportSession::ReportSession(ReportView& view, ReportSource& source, FetchRunner& runner,
                             Clock clock)
    : m_view(view), m_source(source), m_runner(runner), m_clock(std::move(clock)) {}

ReportSession::~ReportSession() {
  m_runner.Cancel();
}

void ReportSession::Select(const std::string& stationCode) {
  if (stationCode.empty() || stationCode == m_state.m_stationCode) return;
  m_state.m_stationCode = stationCode;
  m_status = {stationCode, std::nullopt, std::nullopt};
  ShowStatus();
  StartCycle();
}

void ReportSession::Refresh() {
  if (m_state.m_stationCode.empty() || (m_downloading && !m_downloadingInBackground)) return;
  // Starting the user's download stops the background one, whose result is dropped;
  // the report shown stays until the new one arrives.
  StartDownload(FetchKind::Refresh);
}

void ReportSession::RefreshInBackground() {
  if (m_state.m_stationCode.empty() || m_downloading) return;
  if (m_showingCycle) {
    m_refreshWaiting = true;
    return;
  }
  StartDownload(FetchKind::Background);
}

void ReportSession::StartCycle() {
  ClearShownReport();
  StartDownload(FetchKind::NewCycle);
}

void ReportSession::ClearShownReport() {
  for (ReportField field : kFieldsInClearingOrder) m_view.SetField(field, "");
  m_state.ClearWind();
}

void ReportSession::StartDownload(FetchKind kind) {
  const unsigned cycle = ++m_cycle;
  const bool background = kind == FetchKind::Background;
  m_downloading = true;
  m_downloadingInBackground = background;
  if (!background) {
    // What a new cycle fetches is fresher than any refresh that waited.
    m_refreshWaiting = false;
    m_view.ShowBusy(true);
  }
  m_runner.Start([&source = m_source, code = m_state.m_stationCode](
                     std::stop_token stop) { return source.DownloadReports(code, stop); },
                 [this, cycle, kind, background](DownloadResult result) {
                   if (cycle != m_cycle) return;
                   m_downloading = false;
                   if (background) {
                     FinishBackgroundRefresh(std::move(result));
                     return;
                   }
                   m_view.ShowBusy(false);
                   if (kind == FetchKind::Refresh) ClearShownReport();
                   FinishCycle(std::move(result));
                 });
}

void ReportSession::FinishCycle(DownloadResult result) {
  const bool outerShowing = std::exchange(m_showingCycle, true);
  const unsigned cycle = m_cycle;
  ShowCycleResult(result);
  m_showingCycle = outerShowing;
  // A refresh that came while a message box was open runs now, unless another cycle
  // took this one's place.
  if (cycle == m_cycle && std::exchange(m_refreshWaiting, false)) RefreshInBackground();
}

void ReportSession::ShowCycleResult(const DownloadResult& result) {
  // A message box lets the user choose another station while it is open; from then
  // on this cycle's reports are no longer wanted.
  const unsigned cycle = m_cycle;
  for (const DownloadFailure& failure : result.failures) {
    m_view.ShowMessage(FailureMessageText(failure), MessageIcon::Exclamation);
    if (cycle != m_cycle) return;
  }
  if (!result.Succeeded()) {
    m_state.m_stationCode.clear();
    m_status = {};
    ShowStatus();
    return;
  }
  // A report whose issue time cannot be read is reported on its own and leaves its
  // fields empty; the other report and the wind are still shown.
  ShowMetar(m_state, m_view, result.metarText);
  if (cycle != m_cycle) return;
  ShowTaf(m_state, m_view, result.tafText);
  if (cycle != m_cycle) return;
  m_view.ShowWind(m_state.m_stationCode, m_state.Wind());
  m_shown = {result.metarText, result.tafText, result.metarOrigin, result.tafOrigin};
  NoteShownReports(m_shown);
  // A server error shown only as its status ("503") is explained in the title.
  if (IsServerErrorText(result.metarText) || IsServerErrorText(result.tafText)) {
    NoteFailedDownload(result);
  } else {
    ClearFailedDownload();
  }
  ShowStatus();
}

void ReportSession::FinishBackgroundRefresh(DownloadResult result) {
  if (ApplyRefreshedReports(result)) {
    NoteShownReports(m_shown);
    ClearFailedDownload();
  } else {
    NoteFailedDownload(result);
  }
  ShowStatus();
}

// Decodes both reports on the side and shows them only when both can be shown, so a
// failed refresh leaves every field as it was. A report older than the one shown
// keeps the one shown, and the METAR shown keeps its wind.
bool ReportSession::ApplyRefreshedReports(const DownloadResult& result) {
  if (!result.Succeeded()) return false;
  if (!RefreshableText(result.metarText) || !RefreshableText(result.tafText)) return false;
  const bool keepMetar = OlderThanShown(result.metarText, m_shown.metar);
  const bool keepTaf = OlderThanShown(result.tafText, m_shown.taf);
  const ShownTexts next{keepMetar ? m_shown.metar : result.metarText,
                        keepTaf ? m_shown.taf : result.tafText,
                        keepMetar ? m_shown.metarOrigin : result.metarOrigin,
                        keepTaf ? m_shown.tafOrigin : result.tafOrigin};
  ReportState refreshed;
  refreshed.m_stationCode = m_state.m_stationCode;
  const ShownReport metar = ComposeReport(refreshed, ReportKind::Metar, next.metar);
  const ShownReport taf = ComposeReport(refreshed, ReportKind::Taf, next.taf);
  if (metar.error || taf.error) return false;
  if (!keepMetar) SetReportFields(m_view, ReportKind::Metar, metar, refreshed);
  if (!keepTaf) SetReportFields(m_view, ReportKind::Taf, taf, refreshed);
  m_shown = next;
  // The same wind again leaves the arrow moving as it is.
  const bool windChanged = refreshed.Wind() != m_state.Wind();
  m_state = std::move(refreshed);
  if (windChanged) m_view.ShowWind(m_state.m_stationCode, m_state.Wind());
  return true;
}

void ReportSession::NoteShownReports(const ShownTexts& shown) {
  m_status.metarIssued =
      IsStatusText(shown.metar) ? std::nullopt : ReadIssueTime(TimeLineOf(shown.metar));
  m_status.fromFallback =
      shown.metarOrigin == ReportOrigin::Fallback || shown.tafOrigin == ReportOrigin::Fallback;
}

void ReportSession::NoteFailedDownload(const DownloadResult& result) {
  m_status.refreshFailedAt = std::chrono::time_point_cast<std::chrono::seconds>(m_clock());
  m_status.failureCause = DownloadFailureCause(result).value_or("");
}

void ReportSession::ClearFailedDownload() {
  m_status.refreshFailedAt.reset();
  m_status.failureCause.clear();
}

void ReportSession::ShowStatus() {
  m_view.ShowStationStatus(m_status);
}

}  // namespace aerolume
