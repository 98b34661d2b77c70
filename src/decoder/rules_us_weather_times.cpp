// Weather remarks of US-run stations: lightning with its frequency, kind and place,
// and the times at which weather began and ended.
#include <string>
#include <string_view>

#include "decoder/rules.hpp"
#include "translators/remark_words.hpp"
#include "translators/time_range.hpp"
#include "translators/vocabulary.hpp"
#include "translators/weather.hpp"

namespace aerolume {

namespace {

constexpr CodeText kLightningFrequencies[] = {
    {"OCNL", "ときどき"},
    {"FRQ", "しばしば"},
    {"CONS", "連続した"},
};

constexpr CodeText kLightningKinds[] = {
    {"IC", "雲内"},
    {"CC", "雲間"},
    {"CG", "対地"},
    {"CA", "雲から空中"},
};

constexpr CodeText kLightningPlaces[] = {
    {"DSNT", "遠方"},
    {"VC", "近傍"},
    {"OHD", "真上"},
    {"ALQDS", "全方向"},
};

constexpr std::string_view kLightning = "LTG";
constexpr std::size_t kKindLength = 2;

// LTG, LTGIC, LTGICCG: the kinds joined by "・" and followed by "の", or nothing
// when the group is no lightning group. Reports run kinds together on a shared
// letter (LTGICCCG is IC, CC and CG), so a letter left over is read with the one
// before it.
std::optional<std::string> LightningKinds(std::string_view group) {
  if (!group.starts_with(kLightning)) return std::nullopt;
  const std::string_view codes = group.substr(kLightning.size());
  std::string kinds;
  for (std::size_t at = 0; at < codes.size();) {
    std::string_view kind = LookUp(kLightningKinds, codes.substr(at, kKindLength));
    std::size_t step = kKindLength;
    if (kind.empty() && at > 0) {
      kind = LookUp(kLightningKinds, codes.substr(at - 1, kKindLength));
      step = 1;
    }
    if (kind.empty()) return std::nullopt;
    if (!kinds.empty()) kinds += "・";
    kinds += kind;
    at += step;
  }
  return kinds.empty() ? kinds : kinds + "の";
}

// The offset of the LTG group: 0, or 1 after a frequency word.
int LightningOffset(const DecodeContext& c) {
  return LookUp(kLightningFrequencies, c.Group()).empty() ? 0 : 1;
}

// A direction after the place (NW, NW-N), continued by AND and more directions:
// "遠方 北西～北と東", "真上と北東～東".
std::string LightningDirections(const DecodeContext& c, int& offset) {
  std::string directions;
  const std::string first = DirectionRange(c.Neighbour(offset + 1));
  if (!first.empty()) {
    directions = " " + first;
    ++offset;
  }
  while (c.Neighbour(offset + 1) == "AND" && !DirectionRange(c.Neighbour(offset + 2)).empty()) {
    directions += "と" + DirectionRange(c.Neighbour(offset + 2));
    offset += 2;
  }
  return directions;
}

bool IsTimeMark(std::string_view text, std::size_t at) {
  return at + 1 < text.size() && (text[at] == 'B' || text[at] == 'E') && text[at + 1] >= '0' &&
         text[at + 1] <= '9';
}

// B15, E0755: when the weather began or ended. Moves `at` past the mark.
std::optional<std::string> ReadTimeMark(std::string_view text, std::size_t& at,
                                        const CivilTime& timeLine) {
  const char mark = text[at];
  std::size_t end = at + 1;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  const std::optional<std::string> time =
      FormatRemarkTime(text.substr(at + 1, end - at - 1), timeLine);
  if (!time) return std::nullopt;
  at = end;
  return " " + *time + (mark == 'B' ? "開始" : "終了");
}

// One weather with its marks: RAB15E40.
std::optional<std::string> ReadWeatherTimes(std::string_view text, std::size_t& at,
                                            const CivilTime& timeLine) {
  const std::size_t start = at;
  if (text[at] == '-' || text[at] == '+') ++at;
  while (at < text.size() && !IsTimeMark(text, at)) {
    if (!IsWeatherCode(text.substr(at, 2))) return std::nullopt;
    at += 2;
  }
  const std::string_view weather = text.substr(start, at - start);
  if (weather.empty() || weather == "-" || weather == "+" || !IsTimeMark(text, at)) {
    return std::nullopt;
  }
  std::string phrase = TranslateWeather(weather);
  while (IsTimeMark(text, at)) {
    const std::optional<std::string> mark = ReadTimeMark(text, at, timeLine);
    if (!mark) return std::nullopt;
    phrase += *mark;
  }
  return phrase;
}

// RAB05E30SNB20E55: each weather its own phrase, joined by "、".
std::optional<std::string> WeatherTimesText(std::string_view group, const CivilTime& timeLine) {
  std::string text;
  std::size_t at = 0;
  while (at < group.size()) {
    const std::optional<std::string> phrase = ReadWeatherTimes(group, at, timeLine);
    if (!phrase) return std::nullopt;
    if (!text.empty()) text += "、";
    text += *phrase;
  }
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace

bool TestLightning(const DecodeContext& c) {
  return c.inRemarks && LightningKinds(c.Neighbour(LightningOffset(c))).has_value();
}

void ApplyLightning(DecodeContext& c) {
  int offset = LightningOffset(c);
  std::string text(LookUp(kLightningFrequencies, c.Group()));
  text += LightningKinds(c.Neighbour(offset)).value_or("") + "電光";
  const std::string_view place = LookUp(kLightningPlaces, c.Neighbour(offset + 1));
  if (!place.empty()) {
    text += " " + std::string(place);
    ++offset;
  }
  c.stepText = text + LightningDirections(c, offset);
  c.Consume(offset);
}

bool TestWeatherTimes(const DecodeContext& c) {
  return c.inRemarks && WeatherTimesText(c.Group(), c.TimeLine()).has_value();
}

void ApplyWeatherTimes(DecodeContext& c) {
  c.stepText = WeatherTimesText(c.Group(), c.TimeLine()).value_or(std::string(c.Group()));
}

}  // namespace aerolume
