// Visibility, sky, present weather, temperature and pressure groups. Each looks at
// the current group only, gives one line and swallows nothing.
#include <initializer_list>
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "translators/cloud_type.hpp"
#include "translators/runway_range.hpp"
#include "translators/vocabulary.hpp"
#include "translators/weather.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kDegrees = "ﾟC";

// Each says only what its group rules out: CAVOK and NSC allow cloud above 5000 ft,
// and CLR is an automatic station's sky clear up to 12000 ft.
constexpr CodeText kSkyWords[] = {
    {"CAVOK", "CAVOK(視程10km以上、重要な雲・天気なし)"},
    {"SKC", "雲なし"},
    {"NSC", "重要な雲なし"},
    {"CLR", "雲なし(12000フィート以下、自動観測)"},
};

bool Digits(std::string_view g, int first, int count) {
  return IsAllDigits(Mid(g, first, count));
}

bool IsOneOf(std::string_view piece, std::initializer_list<std::string_view> choices) {
  for (std::string_view choice : choices) {
    if (piece == choice) return true;
  }
  return false;
}

void AppendCelsius(std::string& text, std::string_view sign, int degrees) {
  text += sign;
  AppendInt(text, degrees);
  text += kDegrees;
}

// A dew point that was not measured (20/// and the like) is reported as unknown
// rather than as a made-up 0: its degrees without the sign, or nothing.
std::optional<int> DewPointDegrees(std::string_view g) {
  const std::string_view value = Right(g, 2);
  if (value.size() != 2 || !IsAllDigits(value)) return std::nullopt;
  return ToInt(value);
}

int SignedCelsius(std::string_view sign, int degrees) {
  return sign.empty() ? degrees : -degrees;
}

// Each value read once, for the line and for the values.
void WriteTemperature(DecodeContext& c, std::string_view temperature,
                      std::string_view temperatureSign, std::string_view dewPointSign) {
  const int temperatureDegrees = ToInt(temperature);
  const std::optional<int> dewPointDegrees = DewPointDegrees(c.Group());
  std::string& text = c.stepText;
  text = "気温";
  AppendCelsius(text, temperatureSign, temperatureDegrees);
  text += ' ';
  std::optional<int> dewPointCelsius;
  if (dewPointDegrees) {
    text += "露点";
    AppendCelsius(text, dewPointSign, *dewPointDegrees);
    dewPointCelsius = SignedCelsius(dewPointSign, *dewPointDegrees);
  } else {
    text += "露点不明";
  }
  RecordTemperature(c, SignedCelsius(temperatureSign, temperatureDegrees), dewPointCelsius);
}

void ApplySkyWord(DecodeContext& c) {
  c.stepText = std::string(LookUp(kSkyWords, c.Group()));
  if (c.Group() == "CAVOK") {
    RecordCavok(c);
  } else {
    RecordSkyWord(c, c.Group());
  }
}

}  // namespace

bool TestVerticalVisibility(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 5 && Left(g, 2) == "VV" && IsAllDigits(Right(g, 3));
}

void ApplyVerticalVisibility(DecodeContext& c) {
  const int feet = ToInt(Right(c.Group(), 3)) * 100;
  c.stepText = "鉛直視程" + FormatInt(feet) + "フィート";
  RecordVerticalVisibility(c, feet);
}

// R05/1100 is the shortest: a runway and a value with nothing after it.
bool TestRunwayVisualRange(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() >= 8 && Left(g, 1) == "R" && Digits(g, 1, 2) &&
         IsOneOf(Mid(g, 3, 1), {"/", "L", "C", "R"});
}

void ApplyRunwayVisualRange(DecodeContext& c) {
  RunwayRangeValue range;
  c.stepText = TranslateRunwayRange(c.Group(), &range);
  RecordRunwayRange(c, range);
}

bool TestCavok(const DecodeContext& c) {
  return c.Group() == "CAVOK";
}
void ApplyCavok(DecodeContext& c) {
  ApplySkyWord(c);
}

bool TestSkyClear(const DecodeContext& c) {
  return c.Group() == "SKC";
}
void ApplySkyClear(DecodeContext& c) {
  ApplySkyWord(c);
}

bool TestNoSignificantCloud(const DecodeContext& c) {
  return c.Group() == "NSC";
}
void ApplyNoSignificantCloud(DecodeContext& c) {
  ApplySkyWord(c);
}

bool TestClearBelowLimit(const DecodeContext& c) {
  return c.Group() == "CLR";
}
void ApplyClearBelowLimit(DecodeContext& c) {
  ApplySkyWord(c);
}

bool TestTemperatureAboveZero(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 5 && Digits(g, 0, 2) && Mid(g, 2, 1) == "/";
}

void ApplyTemperatureAboveZero(DecodeContext& c) {
  const std::string_view g = c.Group();
  WriteTemperature(c, Left(g, 2), "", "");
}

bool TestTemperatureDewPointBelowZero(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 6 && Digits(g, 0, 2) && Mid(g, 2, 1) == "/" && Mid(g, 3, 1) == "M";
}

void ApplyTemperatureDewPointBelowZero(DecodeContext& c) {
  const std::string_view g = c.Group();
  WriteTemperature(c, Left(g, 2), "", "-");
}

bool TestTemperatureBothBelowZero(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 7 && Left(g, 1) == "M" && Digits(g, 1, 2) && Mid(g, 3, 1) == "/";
}

void ApplyTemperatureBothBelowZero(DecodeContext& c) {
  const std::string_view g = c.Group();
  WriteTemperature(c, Mid(g, 1, 2), "-", "-");
}

bool TestCloudLayer(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() >= 6 && IsCloudAmount(Left(g, 3));
}

void ApplyCloudLayer(DecodeContext& c) {
  const std::string_view g = c.Group();
  const std::string_view height = Mid(g, 3, 3);
  const int hundredsOfFeet = ToInt(height);
  std::string& text = c.stepText;
  if (height == "///") {
    text = "高さ不明 ";
  } else {
    AppendInt(text, hundredsOfFeet);
    text += "00フィート";
  }
  // Where the type letters after the height name no known type (FEW030///), the layer
  // reads like one reported without a type.
  const std::string_view typeLetters = Mid(g, 6);
  const std::string_view typeName =
      typeLetters.empty() ? std::string_view() : CloudTypeName(typeLetters);
  Append(text, {Left(g, 3), "の", typeName.empty() ? "雲" : typeName});
  RecordCloudLayer(c, Left(g, 3), IsAllDigits(height) ? hundredsOfFeet * 100 : -1,
                   typeName.empty() ? std::string_view() : typeLetters);
}

bool TestPressureHectopascal(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 5 && Left(g, 1) == "Q" && Digits(g, 1, 4);
}

void ApplyPressureHectopascal(DecodeContext& c) {
  c.stepText = "気圧 ";
  const int hectopascal = ToInt(Mid(c.Group(), 1, 4));
  AppendInt(c.stepText, hectopascal);
  c.stepText += "hPa";
  RecordPressureHectopascal(c, hectopascal);
}

bool TestPressureInches(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 5 && Left(g, 1) == "A" && Digits(g, 1, 4);
}

// The hundredths are copied, so that 30.02 keeps its zero.
void ApplyPressureInches(DecodeContext& c) {
  const std::string_view g = c.Group();
  c.stepText = Concat({"気圧 ", FormatInt(ToInt(Mid(g, 1, 2))), ".", Mid(g, 3, 2), "inHg"});
  RecordPressureHundredthsOfInch(c, ToInt(Mid(g, 1, 4)));
}

// A four-digit group at the head of the list is not a visibility.
bool TestVisibility(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 4 && IsAllDigits(g) && c.index > 0;
}

void ApplyVisibility(DecodeContext& c) {
  AppendMetresVisibility(c.stepText, c.Group());
  RecordVisibilityMetres(c, c.Group());
}

// PROB30, PROB40: the chance of the change group that follows. Tried before present
// weather, which would otherwise read the PR as "partial".
bool TestProbability(const DecodeContext& c) {
  return IsProbabilityGroup(c.Group());
}

void ApplyProbability(DecodeContext& c) {
  c.stepText = Concat({"確率", Right(c.Group(), 2), "%"});
  StartProbabilityPeriod(c, ToInt(Right(c.Group(), 2)));
}

// Only a group made wholly of signs and codes: DSNT or SAKURAJIMA merely starts with one.
bool TestPresentWeather(const DecodeContext& c) {
  return IsWeatherGroup(c.Group());
}

void ApplyPresentWeather(DecodeContext& c) {
  WeatherGroupValue weather;
  AppendWeather(c.stepText, c.Group(), &weather);
  RecordWeather(c, weather);
}

}  // namespace aerolume
