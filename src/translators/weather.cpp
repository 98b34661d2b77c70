#include "translators/weather.hpp"

#include <array>

#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

// The one-byte signs first, then the two-letter codes; no code is a prefix of
// another, so the order among them never decides a match.
// clang-format off
constexpr CodeText kWeatherWords[] = {
    {"-", "弱い"},    {"+", "強い"},    {"VC", "8km以内で"}, {"TS", "雷"},
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

}  // namespace

std::string TranslateWeather(std::string_view group) {
  std::string result;
  AppendWeather(result, group);
  return result;
}

namespace {

void RecordPiece(WeatherGroupValue& value, std::string_view piece) {
  if (piece.size() == 1) {
    if (value.codeCount == 0) value.intensity = piece[0];
    return;
  }
  if (value.codeCount >= static_cast<int>(value.codes.size())) return;
  value.codes[static_cast<std::size_t>(value.codeCount++)] = {piece[0], piece[1]};
}

}  // namespace

void AppendWeather(std::string& result, std::string_view group, WeatherGroupValue* value) {
  std::string_view rest = group;
  while (!rest.empty()) {
    // A one-byte entry can only match the one-byte piece, a code only the two-byte one.
    std::size_t length = 1;
    std::string_view word = WeatherWord(rest.substr(0, length));
    if (word.empty()) {
      length = kCodeLength;
      word = WeatherWord(rest.substr(0, length));
    }
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

bool IsWeatherCode(std::string_view twoLetters) {
  return twoLetters.size() == kCodeLength && !WeatherWord(twoLetters).empty();
}

}  // namespace aerolume
