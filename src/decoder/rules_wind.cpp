// Wind groups: calm, surface wind, variable sector. Only these rules write the
// wind values that the wind display shows.
#include <optional>
#include <string>
#include <string_view>

#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "decoder/wind_group.hpp"
#include "translators/wind_phrase.hpp"

namespace aerolume {

namespace {

// The highest direction a wind or a sector bound can have, in degrees.
constexpr int kFullCircle = 360;
// dddff, the shortest wind group.
constexpr std::size_t kShortestWind = 5;

// The run of digits at `at`, moving `at` past it.
std::string_view DigitRun(std::string_view g, std::size_t& at) {
  const std::size_t start = at;
  while (at < g.size() && g[at] >= '0' && g[at] <= '9') ++at;
  return g.substr(start, at - start);
}

bool IsSpeedLength(std::string_view digits) {
  return digits.size() == 2 || digits.size() == 3;
}

bool IsThreeDigitsUpToFullCircle(std::string_view d) {
  return d.size() == 3 && IsAllDigits(d) && ToInt(d) <= kFullCircle;
}

bool IsDirection(std::string_view d) {
  return IsThreeDigitsUpToFullCircle(d) || d == "VRB";
}

std::optional<SpeedUnit> UnitOf(std::string_view text) {
  if (text.empty()) return SpeedUnit::kNone;
  if (text == "KT") return SpeedUnit::kKnots;
  if (text == "MPS") return SpeedUnit::kMetresPerSecond;
  return std::nullopt;
}

// Whether `g` is a wind group, read into `wind`. Without a unit only two-digit speeds
// and gusts make one (dddff, dddffGgg, dddffGPgg), as they always have; a direction
// above 360 never does. (Filled in place rather than returned: the rule table asks
// this of most groups that start with a digit.)
bool ReadWindGroup(std::string_view g, WindGroup& wind) {
  if (g.size() < kShortestWind) return false;
  wind.direction = Left(g, 3);
  if (!IsDirection(wind.direction)) return false;
  std::size_t at = wind.direction.size();
  wind.speed = DigitRun(g, at);
  if (!IsSpeedLength(wind.speed)) return false;
  if (at < g.size() && g[at] == 'G') {
    wind.gustAtLeast = at + 1 < g.size() && g[at + 1] == 'P';
    at += wind.gustAtLeast ? 2 : 1;
    wind.gust = DigitRun(g, at);
    if (!IsSpeedLength(wind.gust)) return false;
  }
  const std::optional<SpeedUnit> unit = UnitOf(g.substr(at));
  if (!unit) return false;
  constexpr std::size_t kTwoDigits = 2;
  if (*unit == SpeedUnit::kNone &&
      (wind.speed.size() != kTwoDigits || (!wind.gust.empty() && wind.gust.size() != kTwoDigits))) {
    return false;
  }
  wind.unit = *unit;
  return true;
}

// Metres per second to whole knots, for the wind display and the runway components.
int Knots(int speed, SpeedUnit unit) {
  if (unit != SpeedUnit::kMetresPerSecond || speed < 0) return speed;
  constexpr long long kKnotsPerMetrePerSecondE5 = 194'384;
  constexpr long long kE5 = 100'000;
  return static_cast<int>((speed * kKnotsPerMetrePerSecondE5 + kE5 / 2) / kE5);
}

// "10KT", or "5m/s(約10KT)" for a wind in metres per second.
void AppendSpeed(std::string& text, int speed, SpeedUnit unit) {
  AppendInt(text, speed);
  if (unit != SpeedUnit::kMetresPerSecond) {
    text += "KT";
    return;
  }
  text += "m/s(約";
  AppendInt(text, Knots(speed, unit));
  text += "KT)";
}

// The gust's speed as reported, -1 without one.
int GustSpeed(const WindGroup& wind) {
  return wind.gust.empty() ? -1 : ToInt(wind.gust);
}

void AppendGust(std::string& text, const WindGroup& wind, int gust) {
  if (gust < 0) return;
  text += kGustWords;
  AppendSpeed(text, gust, wind.unit);
  if (wind.gustAtLeast) text += "以上";
}

// Digits above 360 are no sector bound; any other bound is read as it always was.
bool IsSectorBound(std::string_view bound) {
  return !IsAllDigits(bound) || IsThreeDigitsUpToFullCircle(bound);
}

}  // namespace

// VRB00KT reports no wind as 00000KT does.
bool TestCalm(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g == "00000KT" || g == "VRB00KT" || g == "00000MPS" || g == "VRB00MPS";
}

void ApplyCalm(DecodeContext& c) {
  c.stepText = kCalmWords;
  if (c.MayWriteWind()) c.state.m_windCalm = true;
  RecordCalm(c);
}

bool TestWind(const DecodeContext& c) {
  const std::string_view g = c.Group();
  // A bare dddff is only a wind at the head of the report, where nothing else
  // of that shape can stand.
  if (g.size() == 5 && c.index > 1 && Left(g, 3) != "VRB") return false;
  c.windRead = WindGroup{};
  if (!ReadWindGroup(g, c.windRead)) return false;
  c.windReadAt = c.index;
  return true;
}

void ApplyWind(DecodeContext& c) {
  // Read where the test left it rather than copied: a copy would read the group's
  // views back wider than the test wrote them, and wait for the writes.
  if (c.windReadAt != c.index) {
    c.windRead = WindGroup{};
    ReadWindGroup(c.Group(), c.windRead);
    c.windReadAt = c.index;
  }
  const WindGroup& wind = c.windRead;
  const bool mayWrite = c.MayWriteWind();
  const int direction = wind.direction == "VRB" ? -1 : ToInt(wind.direction);
  std::string& text = c.stepText;
  if (direction < 0) {
    text = kVariableDirectionWords;
  } else {
    Append(text, {wind.direction, kDirectionWords});
  }
  if (mayWrite) c.state.m_windDirection = direction;
  const int speed = ToInt(wind.speed);
  const int gust = GustSpeed(wind);
  AppendSpeed(text, speed, wind.unit);
  AppendGust(text, wind, gust);
  text += kWindWords;
  const int speedKt = Knots(speed, wind.unit);
  const int gustKt = Knots(gust, wind.unit);
  if (mayWrite) {
    c.state.m_windSpeed = speedKt;
    c.state.m_windGust = gustKt;
    c.state.m_windCalm = false;
  }
  RecordWind(c, direction, speedKt, gustKt);
}

// A bound above 360 (400V020) is no sector of the wind.
bool TestVariableSector(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 7 && Mid(g, 3, 1) == "V" && IsSectorBound(Left(g, 3)) &&
         IsSectorBound(Right(g, 3));
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
