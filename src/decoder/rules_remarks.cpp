// Supplementary groups and remarks. None is tied to the remarks section: each
// applies wherever its group stands.
#include <string>
#include <string_view>

#include "decoder/remark_location.hpp"
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "translators/cloud_type.hpp"
#include "translators/remark_words.hpp"

namespace aerolume {

namespace {

// A runway named after wind shear: RWY34L or R34L.
bool IsRunwayGroup(std::string_view group) {
  return (group.size() >= 5 && Left(group, 3) == "RWY") ||
         (group.size() >= 3 && Left(group, 1) == "R");
}

}  // namespace

bool TestCorrection(const DecodeContext& c) {
  return c.Group() == "COR";
}

void ApplyCorrection(DecodeContext& c) {
  c.stepText = "訂正";
  RecordReportWord(c, ReportWord::Correction);
}

bool TestExtremeRainRate(const DecodeContext& c) {
  return c.Group() == "RI++";
}

void ApplyExtremeRainRate(DecodeContext& c) {
  c.stepText = "降雨量30mm/h以上";
}

bool TestRainRate(const DecodeContext& c) {
  return c.GroupLength() == 4 && Left(c.Group(), 2) == "RI" && IsAllDigits(Right(c.Group(), 2));
}

void ApplyRainRate(DecodeContext& c) {
  c.stepText = Concat({"降雨量", Right(c.Group(), 2), "mm/h"});
}

bool TestPressureRise(const DecodeContext& c) {
  return c.Group() == "P/RR";
}

void ApplyPressureRise(DecodeContext& c) {
  c.stepText = "30分以内に1hPa超気圧上昇";
}

bool TestPressureFall(const DecodeContext& c) {
  return c.Group() == "P/FR";
}

void ApplyPressureFall(DecodeContext& c) {
  c.stepText = "30分以内に1hPa超気圧降下";
}

bool TestWindShear(const DecodeContext& c) {
  return c.Group() == "WS";
}

void ApplyWindShear(DecodeContext& c) {
  c.stepText = "ウィンドシアー ";
  if (c.Neighbour(1) == "ALL" && c.Neighbour(2) == "RWY") {
    c.stepText += "全滑走路";
    c.Consume(2);
    return;
  }
  const std::string_view runway = c.Neighbour(1);
  if (IsRunwayGroup(runway)) {
    c.stepText += runway;
    c.Consume(1);
  }
}

bool TestRemarksMarker(const DecodeContext& c) {
  return c.Group() == "RMK";
}

void ApplyRemarksMarker(DecodeContext& c) {
  c.state.m_pastObservation = true;
  c.inRemarks = true;
  c.stepText = "\r\n特記事項";
}

// Amount in eighths, cloud type, height in hundreds of feet: 1CU030.
bool TestRemarkCloudLayer(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() >= 6 && IsAllDigits(Left(g, 1)) && IsAllDigits(Right(g, 3)) &&
         !IsAllDigits(Mid(g, 1, 2));
}

void ApplyRemarkCloudLayer(DecodeContext& c) {
  const std::string_view g = c.Group();
  c.stepText = Concat({FormatInt(ToInt(Right(g, 3))), "00フィート ", Left(g, 1), "/8 ",
                       CloudTypeName(Mid(g, 1, c.GroupLength() - 4))});
}

bool TestNoSignificantChange(const DecodeContext& c) {
  return c.Group() == "NOSIG";
}

void ApplyNoSignificantChange(DecodeContext& c) {
  c.stepText = "重要な変化なし";
  RecordReportWord(c, ReportWord::NoSignificantChange);
}

bool TestEndOfSignificantWeather(const DecodeContext& c) {
  return c.Group() == "NSW";
}

void ApplyEndOfSignificantWeather(DecodeContext& c) {
  c.stepText = "注意すべき天候終了";
  RecordNoSignificantWeather(c);
}

// CB, TS, TCU or VIRGA placed by a direction, optionally after a distance. Without
// a direction the word is present weather or shown as it stands.
bool TestPhenomenonWithLocation(const DecodeContext& c) {
  return !RemarkCloudName(c.Group()).empty() && HasLocation(c);
}

void ApplyPhenomenonWithLocation(DecodeContext& c) {
  // An intensity word before the phenomenon has had its own empty line; its
  // meaning is shown here.
  std::string text = IntensityName(c.Neighbour(-1));
  text += RemarkCloudName(c.Group()) + "が";
  const Location location = ReadLocation(c);
  text += location.text + "に";
  const int lastOffset = AppendMovement(c, location.lastOffset, text);
  c.stepText = text;
  c.Consume(lastOffset);
}

bool TestMaximumWind(const DecodeContext& c) {
  return c.Group() == "MAX" && c.Neighbour(1) == "WIND" && IsKnotSpeed(c.Neighbour(2));
}

void ApplyMaximumWind(DecodeContext& c) {
  c.stepText = Concat({"最大風速", c.Neighbour(2)});
  c.Consume(2);
}

bool TestIntensityWord(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g == "FBL" || g == "HVY" || g == "MOD";
}

// The word is shown by the phenomenon phrase that follows it, if any.
void ApplyIntensityWord(DecodeContext& c) {
  c.stepText.clear();
}

}  // namespace aerolume
