// Wind groups: calm, surface wind, variable sector. Only these rules write the
// wind values that the wind display shows.
#include <string>
#include <string_view>

#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"

namespace aerolume {

namespace {

bool Digits(std::string_view g, int first, int count) {
  return IsAllDigits(Mid(g, first, count));
}

bool EndsWithKnots(std::string_view g) {
  return Right(g, 2) == "KT";
}

// The direction part: three digits or VRB.
bool HasDirection(std::string_view g, bool variable) {
  return variable ? Left(g, 3) == "VRB" : Digits(g, 0, 3);
}

// Direction and speed (5 bytes), then "G"+2 digits or "GP"+2 digits, then an optional KT.
bool IsWindShape(std::string_view g, bool variable) {
  const bool base = HasDirection(g, variable) && Digits(g, 3, 2);
  if (!base) return false;
  switch (g.size()) {
    case 5:  // dddff only reaches here when plain digits are allowed (see TestWind)
      return true;
    case 7:
      return EndsWithKnots(g);
    case 8:
      return Mid(g, 5, 1) == "G" && Digits(g, 6, 2);
    case 9:
      return Mid(g, 5, 2) == "GP" && Digits(g, 7, 2);
    case 10:
      return Mid(g, 5, 1) == "G" && Digits(g, 6, 2) && EndsWithKnots(g);
    case 11:
      return Mid(g, 5, 2) == "GP" && Digits(g, 7, 2) && EndsWithKnots(g);
    default:
      return false;
  }
}

// The gust's knots of dddffGggKT or dddffGPggKT; -1 without one.
int GustSpeed(std::string_view g) {
  if (Mid(g, 5, 2) == "GP") return ToInt(Mid(g, 7, 2));
  if (Mid(g, 5, 1) == "G") return ToInt(Mid(g, 6, 2));
  return -1;
}

void AppendGust(std::string& text, std::string_view g) {
  const int gust = GustSpeed(g);
  if (gust < 0) return;
  text += " 最大";
  AppendInt(text, gust);
  text += Mid(g, 5, 2) == "GP" ? "KT以上" : "KT";
}

}  // namespace

bool TestCalm(const DecodeContext& c) {
  return c.Group() == "00000KT";
}

void ApplyCalm(DecodeContext& c) {
  c.stepText = "無風";
  if (c.MayWriteWind()) c.state.m_windCalm = true;
  RecordCalm(c);
}

bool TestWind(const DecodeContext& c) {
  const std::string_view g = c.Group();
  if (IsWindShape(g, true)) return true;
  // A bare dddff is only a wind at the head of the report, where nothing else
  // of that shape can stand.
  if (g.size() == 5 && c.index > 1) return false;
  return IsWindShape(g, false);
}

void ApplyWind(DecodeContext& c) {
  const std::string_view g = c.Group();
  const bool mayWrite = c.MayWriteWind();
  std::string& text = c.stepText;
  if (Left(g, 3) == "VRB") {
    text = "方向不定 ";
    if (mayWrite) c.state.m_windDirection = -1;
  } else {
    Append(text, {Left(g, 3), "方向 "});
    if (mayWrite) c.state.m_windDirection = ToInt(Left(g, 3));
  }
  const int speed = ToInt(Mid(g, 3, 2));
  AppendInt(text, speed);
  text += "KT";
  if (mayWrite) {
    c.state.m_windSpeed = speed;
    c.state.m_windGust = GustSpeed(g);
    c.state.m_windCalm = false;
  }
  AppendGust(text, g);
  text += "の風";
  RecordWind(c, Left(g, 3) == "VRB" ? -1 : ToInt(Left(g, 3)), speed, GustSpeed(g));
}

bool TestVariableSector(const DecodeContext& c) {
  return c.GroupLength() == 7 && Mid(c.Group(), 3, 1) == "V";
}

void ApplyVariableSector(DecodeContext& c) {
  const std::string_view g = c.Group();
  Append(c.stepText, {"方向", Left(g, 3), "～", Right(g, 3), "で変化"});
  if (c.MayWriteWind()) {
    c.state.m_windVarFrom = ToInt(Left(g, 3));
    c.state.m_windVarTo = ToInt(Right(g, 3));
  }
  RecordWindSector(c, ToInt(Left(g, 3)), ToInt(Right(g, 3)));
}

}  // namespace aerolume
