#include "translators/remark_words.hpp"

#include <algorithm>

#include "translators/text.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kIntensities[] = {
    {"FBL", "弱い"},
    {"HVY", "強い"},
    {"MOD", "並みの強さの"},
};

// In a remark CB is named as the storm it brings, not by its cloud-type name.
constexpr CodeText kRemarkClouds[] = {
    {"CB", "雷雲"},
    {"TS", "雷"},
    {"TCU", "雄大積雲"},
    {"VIRGA", "尾流雲"},
};

// Eight compass points only: remarks do not use the sixteen-point names.
constexpr CodeText kDirections[] = {
    {"N", "北"},    {"E", "東"},    {"W", "西"},    {"S", "南"},     {"NE", "北東"},
    {"NW", "北西"}, {"SE", "南東"}, {"SW", "南西"}, {"OHD", "真上"}, {"UNKNOWN", "何処か"},
};

constexpr CodeText kMovements[] = {
    {"MOV", "移動中"},
    {"STNR", "停滞中"},
};

constexpr std::string_view kDirectionJoint = "と";
constexpr std::string_view kRangeJoint = "～";
constexpr std::size_t kCompassPoints = 8;  // the first entries of kDirections

// `group` is digits followed by exactly `unit`, with at least one digit.
bool IsDigitsWithUnit(std::string_view group, std::string_view unit) {
  if (group.size() <= unit.size() || !group.ends_with(unit)) return false;
  return IsAllDigits(group.substr(0, group.size() - unit.size()));
}

}  // namespace

std::string IntensityName(std::string_view group) {
  return std::string(LookUp(kIntensities, group));
}

std::string RemarkCloudName(std::string_view group) {
  return std::string(LookUp(kRemarkClouds, group));
}

std::string TranslateDistance(std::string_view group) {
  if (IsDigitsWithUnit(group, "KM"))
    return Concat({Left(group, static_cast<int>(group.size()) - 2), "km"});
  if (IsDigitsWithUnit(group, "M"))
    return Concat({Left(group, static_cast<int>(group.size()) - 1), "m"});
  return {};
}

std::string DirectionName(std::string_view group) {
  return std::string(LookUp(kDirections, group));
}

std::string JoinDirections(std::string_view group) {
  std::string joined;
  std::size_t pos = 0;
  while (pos < group.size()) {
    const std::size_t dash = group.find('-', pos);
    const std::size_t end = dash == std::string_view::npos ? group.size() : dash;
    // Empty pieces from doubled, leading or trailing dashes name nothing and drop out here.
    const std::string name = DirectionName(group.substr(pos, end - pos));
    if (!name.empty()) {
      if (!joined.empty()) joined += kDirectionJoint;
      joined += name;
    }
    pos = end + 1;
  }
  return joined;
}

std::string DirectionRange(std::string_view group) {
  const std::span<const CodeText> points(kDirections, kCompassPoints);
  std::string range;
  std::size_t pos = 0;
  do {
    const std::size_t dash = std::min(group.find('-', pos), group.size());
    const std::string_view name = LookUp(points, group.substr(pos, dash - pos));
    if (name.empty()) return {};
    if (!range.empty()) range += kRangeJoint;
    range += name;
    pos = dash + 1;
  } while (pos <= group.size());
  return range;
}

std::string MovementName(std::string_view group) {
  return std::string(LookUp(kMovements, group));
}

}  // namespace aerolume
