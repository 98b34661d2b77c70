#include "retrieval/report_display.hpp"

#include "decoder/decode_report.hpp"
#include "retrieval/station_file.hpp"
#include "retrieval/status_cause.hpp"

namespace aerolume {

namespace {

struct ReportFields {
  ReportField time;
  ReportField raw;
  ReportField decoded;
};

ReportFields FieldsOf(ReportKind kind) {
  if (kind == ReportKind::Metar) {
    return {ReportField::MetarTime, ReportField::MetarRaw, ReportField::MetarDecoded};
  }
  return {ReportField::TafTime, ReportField::TafRaw, ReportField::TafDecoded};
}

void ShowCategoryOf(ReportView& view, const ShownReport& shown, const ReportState& state) {
  if (shown.metarDecoded) view.ShowCategory(JudgeCategory(state.m_metarValues.observed));
}

void Present(ReportState& state, ReportView& view, ReportKind kind, const std::string& text) {
  const ShownReport shown = ComposeReport(state, kind, text);
  const ReportFields fields = FieldsOf(kind);
  if (shown.error) {
    view.ShowMessage(*shown.error, MessageIcon::Stop);
    return;
  }
  view.SetField(fields.time, shown.time);
  view.SetFieldCause(fields.time, shown.cause);
  if (IsStatusText(text)) return;
  view.SetField(fields.raw, shown.raw);
  view.SetField(fields.decoded, shown.decoded);
  ShowCategoryOf(view, shown, state);
}

}  // namespace

std::vector<std::string> ShownReport::Lines() const {
  return DecodedLines(decoded, lineEnds);
}

void SetReportFields(ReportView& view, ReportKind kind, const ShownReport& shown,
                     const ReportState& state) {
  const ReportFields fields = FieldsOf(kind);
  view.SetField(fields.time, shown.time);
  view.SetFieldCause(fields.time, shown.cause);
  view.SetField(fields.raw, shown.raw);
  view.SetField(fields.decoded, shown.decoded);
  ShowCategoryOf(view, shown, state);
}

bool IsShownText(const std::string& text) {
  return !IsStatusText(text) && FormatIssueTime(TimeLineOf(text)).has_value();
}

std::string UnreadableTimeMessage(const std::string& timeLine) {
  return "時刻を読み取れません: " + timeLine;
}

ShownReport ComposeReport(ReportState& state, ReportKind kind, const std::string& text) {
  ShownReport shown;
  if (IsStatusText(text)) {
    shown.time = text == "404" ? "NOT FOUND" : text;
    shown.cause = StatusCauseText(text);
    return shown;
  }
  state.m_timeLine = TimeLineOf(text);
  std::optional<std::string> time = FormatIssueTime(state.m_timeLine);
  if (!time) {
    shown.error = UnreadableTimeMessage(state.m_timeLine);
    return shown;
  }
  shown.time = std::move(*time);
  shown.raw = BodyOf(text);
  const bool isMetar = kind == ReportKind::Metar;
  if (isMetar) state.m_pastObservation = false;
  DecodedText decoded;
  DecodeReportText(state, isMetar, SplitReportGroupViews(shown.raw, state.m_stationCode), decoded);
  shown.decoded = std::move(decoded.text);
  shown.lineEnds = std::move(decoded.lineEnds);
  shown.metarDecoded = isMetar;
  return shown;
}

void ShowMetar(ReportState& state, ReportView& view, std::string text) {
  Present(state, view, ReportKind::Metar, text);
}

void ShowTaf(ReportState& state, ReportView& view, std::string text) {
  Present(state, view, ReportKind::Taf, text);
}

}  // namespace aerolume
