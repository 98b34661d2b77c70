#include "translators/weather.hpp"

#include <array>

#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

// The one-byte signs first, then the two-letter codes; no code is a prefix of
// another, so the order among them never decides a match.
// clang-format off
constexpr CodeText kWeatherWords[] = {
    {"-", "弱い"},    {"+", "強い"},    {"VC", "飛行場周辺で"}, {"TS", "雷"},
    {"SH", "にわか"}, {"FZ", "着氷性"}, {"BC", "散在"},      {"MI", "地表付近"},
    {"PR", "部分的"}, {"DR", "低い"},   {"BL", "高い"},      {"RA", "雨"},
    {"DZ", "霧雨"},   {"SN", "雪"},     {"SG", "霧雪"},      {"GR", "ひょう"},
    {"GS", "あられ"}, {"PL", "凍雨"},   {"IC", "氷晶"},      {"BR", "靄"},
    {"FG", "霧"},     {"SA", "砂"},     {"FU", "煙"},        {"DU", "塵"},
    {"HZ", "煙霧"},   {"VA", "火山灰"}, {"SQ", "スコール"},  {"DS", "塵嵐"},
    {"FC", "漏斗雲"}, {"SS", "砂嵐"},   {"PO", "塵旋風"},    {"RE", "過去1時間以内に"},
    {"UP", "種類不明の降水"},
};
// clang-format on

// SH is a shower of the precipitation code after it (SHRA にわか雨); with none after
// it (VCSH, SH) it stands for showers themselves.
constexpr std::string_view kShowers = "SH";
constexpr std::string_view kShowersAlone = "しゅう雨";
constexpr std::string_view kPrecipitationCodes[] = {"DZ", "RA", "SN", "SG", "PL",
                                                    "GR", "GS", "IC", "UP"};

// A heavy funnel cloud is a tornado or waterspout, not a stronger funnel cloud.
constexpr std::string_view kHeavyFunnelCloud = "+FC";
constexpr std::string_view kTornado = "竜巻";

constexpr std::size_t kCodeLength = 2;
constexpr int kLetters = 26;

constexpr int LetterIndex(char c) {
  return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

// The word of each sign and two-letter code, found by its bytes rather than by a
// search of the vocabulary: every group of a report is asked whether it is weather.
class WeatherWordTable {
 public:
  constexpr WeatherWordTable() {
    for (const CodeText& entry : kWeatherWords) {
      if (entry.code.size() == 1) m_signs[static_cast<unsigned char>(entry.code[0])] = entry.text;
      if (entry.code.size() == kCodeLength) m_codes[Slot(entry.code)] = entry.text;
    }
  }

  constexpr std::string_view Find(std::string_view piece) const {
    if (piece.size() == 1) return m_signs[static_cast<unsigned char>(piece[0])];
    if (piece.size() != kCodeLength) return {};
    const int first = LetterIndex(piece[0]);
    const int second = LetterIndex(piece[1]);
    if (first < 0 || second < 0) return {};
    return m_codes[static_cast<std::size_t>(first * kLetters + second)];
  }

 private:
  static constexpr std::size_t Slot(std::string_view code) {
    return static_cast<std::size_t>(LetterIndex(code[0]) * kLetters + LetterIndex(code[1]));
  }

  std::array<std::string_view, 256> m_signs{};
  std::array<std::string_view, kLetters * kLetters> m_codes{};
};

constexpr WeatherWordTable kWeatherWordTable;

std::string_view WeatherWord(std::string_view piece) {
  return kWeatherWordTable.Find(piece);
}

// Snow that the wind lifts from the ground has a word of its own: read as DR or BL
// and SN it would be snow that is low or high.
constexpr CodeText kBlowingSnow[] = {
    {"DRSN", "低い地ふぶき"},
    {"BLSN", "高い地ふぶき"},
};

constexpr std::size_t kBlowingSnowLength = 4;

// The word of DRSN or BLSN at the front of `rest`, or nothing; only DR and BL begin one.
std::string_view BlowingSnowWord(std::string_view rest) {
  if (rest.size() < kBlowingSnowLength || (rest[0] != 'D' && rest[0] != 'B')) return {};
  return LookUp(kBlowingSnow, rest.substr(0, kBlowingSnowLength));
}

bool IsPrecipitationCode(std::string_view piece) {
  for (std::string_view code : kPrecipitationCodes) {
    if (piece == code) return true;
  }
  return false;
}

// The word of the piece at the start of `rest` where the pieces beside it decide it,
// with its length; empty where the piece reads on its own.
std::string_view WordInItsPlace(std::string_view rest, std::size_t& length) {
  if (rest.starts_with(kHeavyFunnelCloud)) {
    length = kHeavyFunnelCloud.size();
    return kTornado;
  }
  if (rest.starts_with(kShowers) &&
      !IsPrecipitationCode(rest.substr(kShowers.size(), kCodeLength))) {
    length = kShowers.size();
    return kShowersAlone;
  }
  return {};
}

// The word of the piece at the start of `rest` and its length, or empty.
std::string_view NextWord(std::string_view rest, std::size_t& length) {
  std::string_view word = WordInItsPlace(rest, length);
  if (!word.empty()) return word;
  // A one-byte entry can only match the one-byte piece, a code only the two-byte one.
  length = 1;
  word = WeatherWord(rest.substr(0, length));
  if (!word.empty()) return word;
  length = kBlowingSnowLength;
  word = BlowingSnowWord(rest);
  if (!word.empty()) return word;
  length = kCodeLength;
  return WeatherWord(rest.substr(0, length));
}

}  // namespace

std::string TranslateWeather(std::string_view group) {
  std::string result;
  AppendWeather(result, group);
  return result;
}

std::string TranslateWeather(const WeatherGroupValue& value) {
  std::string group;
  if (value.intensity != 0) group += value.intensity;
  for (int i = 0; i < value.codeCount; ++i) {
    const auto& code = value.codes[static_cast<std::size_t>(i)];
    group.append(code.data(), code.size());
  }
  return TranslateWeather(group);
}

namespace {

// A piece is a sign, a code, or a word read from several (+FC, DRSN, BLSN): its sign
// and each of its codes are recorded.
void RecordPiece(WeatherGroupValue& value, std::string_view piece) {
  if (piece.size() % 2 == 1) {
    if (value.codeCount == 0) value.intensity = piece[0];
    piece.remove_prefix(1);
  }
  for (; piece.size() >= 2; piece.remove_prefix(2)) {
    if (value.codeCount >= static_cast<int>(value.codes.size())) return;
    value.codes[static_cast<std::size_t>(value.codeCount++)] = {piece[0], piece[1]};
  }
}

}  // namespace

void AppendWeather(std::string& result, std::string_view group, WeatherGroupValue* value) {
  std::string_view rest = group;
  while (!rest.empty()) {
    std::size_t length = 0;
    const std::string_view word = NextWord(rest, length);
    if (word.empty()) {
      result += rest;
      // A group with pieces that are no weather code gives no weather value.
      if (value) *value = WeatherGroupValue{};
      break;
    }
    result += word;
    if (value) RecordPiece(*value, rest.substr(0, length));
    rest.remove_prefix(length);
  }
}

bool IsWeatherGroup(std::string_view group) {
  std::string_view codes = group;
  if (!codes.empty() && (codes.front() == '-' || codes.front() == '+')) codes.remove_prefix(1);
  if (codes.empty() || codes.size() % kCodeLength != 0) return false;
  for (std::size_t at = 0; at < codes.size(); at += kCodeLength) {
    if (!IsWeatherCode(codes.substr(at, kCodeLength))) return false;
  }
  return true;
}

bool IsWeatherCode(std::string_view twoLetters) {
  return twoLetters.size() == kCodeLength && !WeatherWord(twoLetters).empty();
}

}  // namespace aerolume
