// Times of a METAR trend (TL, AT) and the extra groups of a TAF: forecast maximum
// and minimum temperature and the lowest altimeter setting.
#include <string>
#include <string_view>

#include "decoder/rules.hpp"
#include "translators/time_range.hpp"

namespace aerolume {

namespace {

std::optional<std::string> TrendTime(const DecodeContext& c) {
  const std::string_view g = c.Group();
  if (!c.isMetar || g.size() != 6 || (Left(g, 2) != "TL" && Left(g, 2) != "AT"))
    return std::nullopt;
  return FormatRemarkTime(Mid(g, 2), c.TimeLine());
}

struct TemperatureForecast {
  std::string temperature;  // "-1"
  std::string dayHour;      // "2日21時", Japan time
};

// TX25/0615Z, TNM01/0221Z
std::optional<TemperatureForecast> ReadTemperatureForecast(const DecodeContext& c) {
  const std::string_view g = c.Group();
  if (c.isMetar || (Left(g, 2) != "TX" && Left(g, 2) != "TN")) return std::nullopt;
  const bool belowZero = Mid(g, 2, 1) == "M";
  const std::string_view rest = Mid(g, belowZero ? 3 : 2);
  if (rest.size() != 8 || !IsAllDigits(Left(rest, 2)) || rest[2] != '/' || rest[7] != 'Z') {
    return std::nullopt;
  }
  const std::optional<std::string> dayHour = FormatDayHour(Mid(rest, 3, 4), c.TimeLine());
  if (!dayHour) return std::nullopt;
  return TemperatureForecast{(belowZero ? "-" : "") + FormatInt(ToInt(Left(rest, 2))), *dayHour};
}

}  // namespace

bool TestTrendTime(const DecodeContext& c) {
  return TrendTime(c).has_value();
}

void ApplyTrendTime(DecodeContext& c) {
  c.stepText = *TrendTime(c) + (Left(c.Group(), 2) == "TL" ? "まで" : "に");
}

bool TestTemperatureForecast(const DecodeContext& c) {
  return ReadTemperatureForecast(c).has_value();
}

void ApplyTemperatureForecast(DecodeContext& c) {
  const TemperatureForecast forecast = *ReadTemperatureForecast(c);
  const char* word = Left(c.Group(), 2) == "TX" ? "最高気温" : "最低気温";
  c.stepText = word + forecast.temperature + "ﾟC(" + forecast.dayHour + ")";
}

// QNH2992INS
bool TestLowestAltimeter(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return !c.isMetar && g.size() == 10 && Left(g, 3) == "QNH" && IsAllDigits(Mid(g, 3, 4)) &&
         Right(g, 3) == "INS";
}

void ApplyLowestAltimeter(DecodeContext& c) {
  const std::string_view g = c.Group();
  c.stepText = Concat({"最低気圧 ", Mid(g, 3, 2), ".", Mid(g, 5, 2), "inHg"});
}

}  // namespace aerolume
