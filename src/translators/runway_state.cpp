#include "translators/runway_state.hpp"

#include <optional>

#include "translators/text.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kSnowClosed = "SNOCLO";
constexpr std::string_view kCleared = "CLRD";
constexpr std::string_view kAirfieldSnowClosed = "R/SNOCLO";
constexpr std::size_t kStateLength = 6;
constexpr std::size_t kFrictionLength = 2;

constexpr CodeText kDeposits[] = {
    {"0", "乾燥"},
    {"1", "湿り"},
    {"2", "湿潤"},
    {"3", "霜"},
    {"4", "乾いた雪"},
    {"5", "湿った雪"},
    {"6", "シャーベット状の雪"},
    {"7", "氷"},
    {"8", "圧雪"},
    {"9", "凍結したわだち"},
    {"/", "堆積物不明"},
};

constexpr CodeText kExtents[] = {
    {"1", "10%以下"},
    {"2", "11～25%"},
    {"5", "26～50%"},
    {"9", "51%以上"},
};

// Depths from 92 on are in steps of 5 cm; 99 is a runway out of use.
constexpr CodeText kDepthCodes[] = {
    {"00", "深さ1mm未満"}, {"92", "深さ10cm"},     {"93", "深さ15cm"},
    {"94", "深さ20cm"},    {"95", "深さ25cm"},     {"96", "深さ30cm"},
    {"97", "深さ35cm"},    {"98", "深さ40cm以上"}, {"99", "滑走路使用不能"},
};

// From 91 on the friction is given as the braking action.
constexpr CodeText kBrakingActions[] = {
    {"91", "制動効果不良"},     {"92", "制動効果やや不良"}, {"93", "制動効果中"},
    {"94", "制動効果やや良好"}, {"95", "制動効果良好"},     {"99", "制動効果測定不能"},
};

constexpr int kLastMillimetres = 90;
constexpr int kLastCoefficient = 90;

bool IsDigitOrSlash(char c) {
  return c == '/' || (c >= '0' && c <= '9');
}

bool IsStateCode(std::string_view code) {
  for (char c : code) {
    if (!IsDigitOrSlash(c)) return false;
  }
  return true;
}

// The bytes after Rdd[LCR]/, or nothing when the group does not start so.
std::optional<std::string_view> StateAfterRunway(std::string_view group) {
  if (group.size() < 5 || group[0] != 'R' || !IsAllDigits(group.substr(1, 2))) return std::nullopt;
  std::size_t slash = 3;
  if (group[slash] == 'L' || group[slash] == 'C' || group[slash] == 'R') ++slash;
  if (slash >= group.size() || group[slash] != '/') return std::nullopt;
  return group.substr(slash + 1);
}

bool IsRunwayState(std::string_view state) {
  if (state == kSnowClosed) return true;
  if (state.size() == kCleared.size() + kFrictionLength && state.starts_with(kCleared)) {
    return IsStateCode(state.substr(kCleared.size()));
  }
  return state.size() == kStateLength && IsStateCode(state);
}

// "RWY01L", or "全滑走路" for runway 88, which stands for all of them.
std::string RunwayText(std::string_view group, std::string_view state) {
  const std::string_view runway = group.substr(1, group.size() - state.size() - 2);
  if (runway == "88") return "全滑走路";
  return Concat({"RWY", runway});
}

void AppendDepth(std::string& text, std::string_view depth) {
  if (const std::string_view word = LookUp(kDepthCodes, depth); !word.empty()) {
    text += word;
  } else if (IsAllDigits(depth) && ToInt(depth) <= kLastMillimetres) {
    text += "深さ";
    AppendAnyInt(text, ToInt(depth));
    text += "mm";
  } else {
    text += "深さ不明";
  }
}

void AppendFriction(std::string& text, std::string_view friction) {
  if (const std::string_view word = LookUp(kBrakingActions, friction); !word.empty()) {
    text += word;
  } else if (IsAllDigits(friction) && ToInt(friction) <= kLastCoefficient) {
    Append(text, {"摩擦係数0.", friction});
  } else {
    text += "制動効果不明";
  }
}

}  // namespace

bool IsRunwayStateGroup(std::string_view group) {
  if (group == kSnowClosed || group == kAirfieldSnowClosed) return true;
  const std::optional<std::string_view> state = StateAfterRunway(group);
  return state && IsRunwayState(*state);
}

std::string TranslateRunwayState(std::string_view group) {
  if (!IsRunwayStateGroup(group)) return std::string(group);
  if (group == kSnowClosed || group == kAirfieldSnowClosed) return "雪のため空港閉鎖";
  const std::string_view state = StateAfterRunway(group).value_or(std::string_view());
  std::string text = RunwayText(group, state);
  if (state == kSnowClosed) return text + " 雪のため閉鎖";
  text += " 路面状態: ";
  if (state.starts_with(kCleared)) {
    text += "除去済み ";
    AppendFriction(text, state.substr(kCleared.size()));
    return text;
  }
  const std::string_view extent = LookUp(kExtents, state.substr(1, 1));
  Append(text,
         {LookUp(kDeposits, state.substr(0, 1)), " ", extent.empty() ? "範囲不明" : extent, " "});
  AppendDepth(text, state.substr(2, 2));
  text += ' ';
  AppendFriction(text, state.substr(4, kFrictionLength));
  return text;
}

}  // namespace aerolume
