// The coded remarks of US-run stations: the station type, pressure, temperature in
// tenths, precipitation, snow, sunshine, peak wind, wind shift, pressure changes,
// lenticular cloud and sensors out of service. All but the lone missing flag
// mean something only after RMK.
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "translators/remark_words.hpp"
#include "translators/time_range.hpp"
#include "translators/us_measures.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kStationTypes[] = {
    {"AO1", "自動観測所(降水判別なし)"},
    {"AO2", "自動観測所(降水判別あり)"},
    {"AO1A", "自動観測所(降水判別なし)、観測員補足あり"},
    {"AO2A", "自動観測所(降水判別あり)、観測員補足あり"},
};

constexpr CodeText kRemarkWords[] = {
    {"$", "観測機器 要点検"}, {"FROPA", "前線通過"},      {"PRESRR", "気圧急上昇"},
    {"PRESFR", "気圧急降下"}, {"SLPNO", "海面気圧 欠測"}, {"DSNT", "遠方"},
};

constexpr CodeText kSensors[] = {
    {"RVRNO", "滑走路視距離"},        {"PWINO", "天気識別装置"}, {"PNO", "雨量計"},
    {"FZRANO", "着氷性の雨センサー"}, {"TSNO", "雷検知"},
};

// Sensors that name the runway whose instrument is out of service.
constexpr CodeText kRunwaySensors[] = {
    {"VISNO", "視程計"},
    {"CHINO", "雲高計"},
};

constexpr CodeText kLenticularClouds[] = {
    {"ACSL", "レンズ雲"},
    {"SCSL", "レンズ雲"},
    {"CCSL", "レンズ雲"},
};

// Periods of the precipitation groups: P for the hour, 6 for three or six hours,
// 7 for the day.
constexpr CodeText kPrecipitationPeriods[] = {
    {"P", "1時間降水量"},
    {"6", "3または6時間降水量"},
    {"7", "24時間降水量"},
};

constexpr std::string_view kMissing = "欠測";

// The text after a prefix, or nothing when there is no text.
std::optional<std::string> Prefixed(std::string_view prefix, std::optional<std::string> text) {
  if (!text) return std::nullopt;
  return std::string(prefix) + *text;
}

bool IsDigitGroup(std::string_view g, std::size_t size) {
  return g.size() == size && IsAllDigits(g);
}

// The line of a coded group of digits that only US remarks use, or nothing.
std::optional<std::string> CodedDigitsText(std::string_view g) {
  if (IsDigitGroup(g, 5)) {
    const std::string_view value = Mid(g, 1);
    if (g[0] == '1') return Prefixed("6時間最高気温", TenthsCelsius(value));
    if (g[0] == '2') return Prefixed("6時間最低気温", TenthsCelsius(value));
    if (g[0] == '5') return Prefixed("3時間気圧変化 ", PressureTendency(value));
    if (Left(g, 2) == "98") return "日照時間 " + FormatInt(ToInt(Mid(g, 2))) + "分";
  }
  if (IsDigitGroup(g, 9) && g[0] == '4') {
    const std::optional<std::string> highest = TenthsCelsius(Mid(g, 1, 4));
    const std::optional<std::string> lowest = TenthsCelsius(Mid(g, 5, 4));
    if (highest && lowest) return "24時間最高気温" + *highest + " 最低気温" + *lowest;
  }
  if (g.size() == 5 && Left(g, 2) == "4/") {
    return Prefixed("積雪深 ", InchesOfSnow(Mid(g, 2)));
  }
  return std::nullopt;
}

// P0012, 60012, 70125, P////: the amount, "微量" for a trace, "不明" when it
// could not be measured.
std::optional<std::string> PrecipitationText(std::string_view g) {
  const std::string_view period = LookUp(kPrecipitationPeriods, Left(g, 1));
  if (g.size() != 5 || period.empty()) return std::nullopt;
  const std::string_view amount = Mid(g, 1);
  if (amount == "////") return std::string(period) + " 不明";
  if (amount == "0000") return std::string(period) + " 微量";
  return Prefixed(std::string(period) + " ", InchesOfPrecipitation(amount));
}

// T02560222 or T0256: temperature and dew point in tenths.
std::optional<std::string> TenthsTemperatureText(std::string_view g) {
  if (Left(g, 1) != "T" || (g.size() != 5 && g.size() != 9)) return std::nullopt;
  const std::optional<std::string> temperature = TenthsCelsius(Mid(g, 1, 4));
  if (!temperature) return std::nullopt;
  if (g.size() == 5) return "気温" + *temperature;
  const std::optional<std::string> dewPoint = TenthsCelsius(Mid(g, 5, 4));
  if (!dewPoint) return std::nullopt;
  return "気温" + *temperature + " 露点" + *dewPoint;
}

std::optional<std::string> SeaLevelPressureText(std::string_view g) {
  if (g.size() != 6 || Left(g, 3) != "SLP") return std::nullopt;
  return Prefixed("海面気圧 ", SeaLevelPressure(Mid(g, 3)));
}

std::optional<std::string> NumberedRemarkText(std::string_view g) {
  if (auto text = CodedDigitsText(g)) return text;
  if (auto text = PrecipitationText(g)) return text;
  if (auto text = TenthsTemperatureText(g)) return text;
  return SeaLevelPressureText(g);
}

// dddff(f)/(hh)mm of a peak wind: direction, speed and when.
std::optional<std::string> PeakWindText(std::string_view g, const CivilTime& timeLine) {
  const std::size_t slash = g.find('/');
  if (slash != 5 && slash != 6) return std::nullopt;
  const std::string_view wind = Left(g, static_cast<int>(slash));
  if (!IsAllDigits(wind)) return std::nullopt;
  const std::optional<std::string> time =
      FormatRemarkTime(Mid(g, static_cast<int>(slash) + 1), timeLine);
  if (!time) return std::nullopt;
  return Concat(
      {Left(wind, 3), "方向 ", FormatInt(ToInt(Mid(wind, 3))), "KTの最大瞬間風(", *time, ")"});
}

}  // namespace

bool TestStationType(const DecodeContext& c) {
  return c.inRemarks && !LookUp(kStationTypes, c.Group()).empty();
}

void ApplyStationType(DecodeContext& c) {
  c.stepText = std::string(LookUp(kStationTypes, c.Group()));
}

bool TestNumberedRemark(const DecodeContext& c) {
  return c.inRemarks && NumberedRemarkText(c.Group()).has_value();
}

void ApplyNumberedRemark(DecodeContext& c) {
  c.stepText = NumberedRemarkText(c.Group()).value_or(std::string(c.Group()));
  if (TenthsTemperatureText(c.Group())) {
    const std::string_view g = c.Group();
    const std::optional<double> dewPoint =
        g.size() == 9 ? TenthsCelsiusValue(Mid(g, 5, 4)) : std::nullopt;
    RecordTenthsTemperature(c, TenthsCelsiusValue(Mid(g, 1, 4)).value_or(0), dewPoint);
  }
}

bool TestRemarkWord(const DecodeContext& c) {
  return c.inRemarks && !LookUp(kRemarkWords, c.Group()).empty();
}

void ApplyRemarkWord(DecodeContext& c) {
  c.stepText = std::string(LookUp(kRemarkWords, c.Group()));
}

// A lone M is a value that is missing; M before digits is a minus or "less than".
bool TestMissingValue(const DecodeContext& c) {
  return c.Group() == "M";
}

void ApplyMissingValue(DecodeContext& c) {
  c.stepText = std::string(kMissing);
}

bool TestPeakWind(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "PK" && c.Neighbour(1) == "WND";
}

void ApplyPeakWind(DecodeContext& c) {
  const std::optional<std::string> text = PeakWindText(c.Neighbour(2), c.TimeLine());
  c.stepText = text.value_or("最大瞬間風");
  c.Consume(text ? 2 : 1);
}

bool TestWindShift(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "WSHFT";
}

void ApplyWindShift(DecodeContext& c) {
  const std::optional<std::string> time = FormatRemarkTime(c.Neighbour(1), c.TimeLine());
  if (!time) {
    c.stepText = "風向急変";
    return;
  }
  c.stepText = "風向急変(" + *time + ")";
  c.Consume(1);
  if (c.Neighbour(1) == "FROPA") {
    c.stepText += " 前線通過";
    c.Consume(1);
  }
}

bool TestLenticularCloud(const DecodeContext& c) {
  return c.inRemarks && !LookUp(kLenticularClouds, c.Group()).empty();
}

void ApplyLenticularCloud(DecodeContext& c) {
  c.stepText = std::string(LookUp(kLenticularClouds, c.Group()));
  const std::string direction = DirectionRange(c.Neighbour(1));
  if (!direction.empty()) {
    c.stepText += " " + direction;
    c.Consume(1);
  }
}

bool TestSensorOut(const DecodeContext& c) {
  return c.inRemarks &&
         (!LookUp(kSensors, c.Group()).empty() || !LookUp(kRunwaySensors, c.Group()).empty());
}

void ApplySensorOut(DecodeContext& c) {
  const std::string_view sensor = LookUp(kSensors, c.Group());
  if (!sensor.empty()) {
    c.stepText = std::string(sensor) + " " + std::string(kMissing);
    return;
  }
  const std::string instrument(LookUp(kRunwaySensors, c.Group()));
  std::string runway;
  if (IsRunwayName(c.Neighbour(1))) {
    runway = Concat({c.Neighbour(1), "の"});
    c.Consume(1);
  }
  c.stepText = runway + instrument + " " + std::string(kMissing);
}

}  // namespace aerolume
