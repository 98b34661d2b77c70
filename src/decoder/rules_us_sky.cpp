// Visibility and sky remarks of US-run stations: tower and surface visibility,
// variable, sector and second-site visibility, variable and second-site ceiling
// and a variable cloud amount. Each swallows the groups of its phrase.
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "translators/remark_words.hpp"
#include "translators/us_measures.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kVisibilitySites[] = {
    {"TWR", "管制塔視程"},
    {"SFC", "地上視程"},
};

// A cloud layer (BKN014) or a cloud amount standing alone (BKN).
std::string AmountOfLayer(std::string_view group) {
  const std::string amount(Left(group, 3));
  if (!IsCloudAmount(amount)) return {};
  if (group.size() == 3 || (group.size() >= 6 && IsAllDigits(Mid(group, 3, 3)))) return amount;
  return {};
}

struct VariableVisibility {
  std::string lowest;
  std::string highest;
  int lastOffset;
};

// VIS [whole] aVb [fraction]: "1 5/8V2 1/4" is 1 5/8 to 2 1/4 miles.
std::optional<VariableVisibility> ReadVariableVisibility(const DecodeContext& c) {
  int offset = 1;
  std::string lowest;
  if (IsWholeMiles(c.Neighbour(1)) && c.Neighbour(2).find('V') != std::string::npos) {
    lowest = Concat({c.Neighbour(1), " "});
    offset = 2;
  }
  const std::string range(c.Neighbour(offset));
  const std::size_t v = range.find('V');
  if (v == std::string::npos) return std::nullopt;
  lowest += range.substr(0, v);
  std::string highest = range.substr(v + 1);
  if (IsWholeMiles(highest) && IsMilesFraction(c.Neighbour(offset + 1))) {
    highest += Concat({" ", c.Neighbour(++offset)});
  }
  if (!IsMiles(lowest) || !IsMiles(highest)) return std::nullopt;
  return VariableVisibility{lowest, highest, offset};
}

// The phrase that follows VIS, and its last group; VIS alone when none does.
ValueRead VisibilityPhrase(const DecodeContext& c) {
  if (const auto variable = ReadVariableVisibility(c)) {
    return {"視程 " + variable->lowest + "～" + variable->highest + "マイルで変化",
            variable->lastOffset};
  }
  const std::string sector = DirectionRange(c.Neighbour(1));
  if (!sector.empty()) {
    if (const auto value = ReadVisibilityValue(c, 2)) {
      return {sector + "の視程 " + value->text, value->lastOffset};
    }
  }
  if (const auto value = ReadVisibilityValue(c, 1)) {
    const std::string runway(c.Neighbour(value->lastOffset + 1));
    if (IsRunwayName(runway)) return {runway + "の視程 " + value->text, value->lastOffset + 1};
    return {"視程 " + value->text, value->lastOffset};
  }
  return {"視程", 0};
}

std::string HundredsOfFeet(std::string_view digits) {
  return FormatInt(ToInt(digits) * 100);
}

bool IsCeilingHeight(std::string_view group) {
  return group.size() == 3 && IsAllDigits(group);
}

// The phrase that follows CIG, and its last group; CIG alone when none does.
ValueRead CeilingPhrase(const DecodeContext& c) {
  const std::string next(c.Neighbour(1));
  if (next.size() == 7 && next[3] == 'V' && IsCeilingHeight(Left(next, 3)) &&
      IsCeilingHeight(Right(next, 3))) {
    return {"シーリング " + HundredsOfFeet(Left(next, 3)) + "～" + HundredsOfFeet(Right(next, 3)) +
                "フィートで変化",
            1};
  }
  if (!IsCeilingHeight(next)) return {"シーリング", 0};
  const std::string height = HundredsOfFeet(next) + "フィート";
  if (IsRunwayName(c.Neighbour(2))) return {Concat({c.Neighbour(2), "のシーリング ", height}), 2};
  return {"シーリング " + height, 1};
}

}  // namespace

bool TestSiteVisibility(const DecodeContext& c) {
  return c.inRemarks && !LookUp(kVisibilitySites, c.Group()).empty() && c.Neighbour(1) == "VIS";
}

void ApplySiteVisibility(DecodeContext& c) {
  std::string text(LookUp(kVisibilitySites, c.Group()));
  const std::optional<ValueRead> value = ReadVisibilityValue(c, 2);
  if (value) text += " " + value->text;
  c.stepText = text;
  c.Consume(value ? value->lastOffset : 1);
}

bool TestVisibilityRemark(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "VIS";
}

void ApplyVisibilityRemark(DecodeContext& c) {
  const ValueRead phrase = VisibilityPhrase(c);
  c.stepText = phrase.text;
  c.Consume(phrase.lastOffset);
}

bool TestCeilingRemark(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "CIG";
}

void ApplyCeilingRemark(DecodeContext& c) {
  const ValueRead phrase = CeilingPhrase(c);
  c.stepText = phrase.text;
  c.Consume(phrase.lastOffset);
}

// BKN014 V OVC: the layer has had its own line; V takes the second amount.
// OVC V BKN: an amount alone takes the V and the second amount.
bool TestVariableSky(const DecodeContext& c) {
  if (!c.inRemarks) return false;
  if (c.Group() == "V") {
    return !AmountOfLayer(c.Neighbour(-1)).empty() && IsCloudAmount(Left(c.Neighbour(1), 3));
  }
  return IsCloudAmount(c.Group()) && c.Neighbour(1) == "V" &&
         IsCloudAmount(Left(c.Neighbour(2), 3));
}

void ApplyVariableSky(DecodeContext& c) {
  const bool atV = c.Group() == "V";
  const std::string first = atV ? AmountOfLayer(c.Neighbour(-1)) : std::string(c.Group());
  const std::string second(Left(c.Neighbour(atV ? 1 : 2), 3));
  c.stepText = "雲量 " + first + "～" + second + "で変化";
  c.Consume(atV ? 1 : 2);
}

}  // namespace aerolume
