// Words about the report itself rather than the weather: how it was made, that it
// is missing, cancelled or amended.
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"

namespace aerolume {

bool TestAutomaticReport(const DecodeContext& c) {
  return c.isMetar && c.Group() == "AUTO";
}

void ApplyAutomaticReport(DecodeContext& c) {
  c.stepText = "自動観測";
  RecordReportWord(c, ReportWord::Automatic);
}

bool TestMissingReport(const DecodeContext& c) {
  return c.Group() == "NIL";
}

void ApplyMissingReport(DecodeContext& c) {
  c.stepText = "欠測";
  RecordReportWord(c, ReportWord::Missing);
}

bool TestCancelledForecast(const DecodeContext& c) {
  return !c.isMetar && c.Group() == "CNL";
}

void ApplyCancelledForecast(DecodeContext& c) {
  c.stepText = "予報取消";
  RecordReportWord(c, ReportWord::Cancelled);
}

bool TestAmendedForecast(const DecodeContext& c) {
  return !c.isMetar && c.Group() == "AMD";
}

void ApplyAmendedForecast(DecodeContext& c) {
  c.stepText = "修正報";
  RecordReportWord(c, ReportWord::Amended);
}

}  // namespace aerolume
