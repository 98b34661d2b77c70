#include "conditions/taf_file.hpp"

#include "decoder/report_state.hpp"
#include "retrieval/report_display.hpp"

namespace aerolume {

std::optional<TafValues> TafValuesOfFile(std::string_view code, const std::string& text) {
  if (!IsShownText(text)) return std::nullopt;
  ReportState state;
  state.m_stationCode = code;
  ComposeReport(state, ReportKind::Taf, text);
  return state.m_tafValues;
}

}  // namespace aerolume
