#include "retrieval/report_session.hpp"

#include <array>

#include "retrieval/report_display.hpp"

namespace aerolume {

namespace {

// The order in which a new cycle empties the fields, as the dialog has always done.
constexpr std::array kFieldsInClearingOrder = {
    ReportField::MetarRaw, ReportField::MetarDecoded, ReportField::MetarTime,
    ReportField::TafRaw,   ReportField::TafDecoded,   ReportField::TafTime,
};

}  // namespace

ReportSession::ReportSession(ReportView& view, ReportSource& source)
    : m_view(view), m_source(source) {}

void ReportSession::Select(const std::string& stationCode) {
  if (stationCode.empty() || stationCode == m_state.m_stationCode) return;
  m_state.m_stationCode = stationCode;
  RunCycle();
}

void ReportSession::Refresh() {
  if (m_state.m_stationCode.empty()) return;
  RunCycle();
}

void ReportSession::RunCycle() {
  for (ReportField field : kFieldsInClearingOrder) m_view.SetField(field, "");
  m_state.ClearWind();

  std::string metarText;
  std::string tafText;
  if (!m_source.DownloadReports(m_state.m_stationCode, metarText, tafText, m_view)) {
    m_state.m_stationCode.clear();
    return;
  }
  // A report whose issue time cannot be read is reported on its own and leaves its
  // fields empty; the other report and the wind are still shown.
  ShowMetar(m_state, m_view, metarText);
  ShowTaf(m_state, m_view, tafText);
  m_view.ShowWind(m_state.m_stationCode, m_state.Wind());
}

}  // namespace aerolume
