#include "conditions/category_reason.hpp"

#include <string_view>

#include "translators/text.hpp"

namespace aerolume {

namespace {

// How the reason names each part, in one language.
struct ReasonWords {
  std::string_view cavok;
  std::string_view ceiling;  // before the feet
  std::string_view feet;
  std::string_view noCeiling;
  std::string_view visibility;  // before the metres
  std::string_view metres;
  std::string_view tenKmOrMore;
  std::string_view lessThan;
  std::string_view moreThan;
  bool boundAfterMetres;
  bool namesLayer;  // the layer as reported (BKN008), so that it can be found in the raw text
  std::string_view separator;
};

constexpr ReasonWords kEnglish{"CAVOK",
                               "ceiling ",
                               " ft",
                               "no ceiling",
                               "visibility ",
                               " m",
                               "visibility 10 km or more",
                               "less than ",
                               "more than ",
                               false,
                               false,
                               ", "};
constexpr ReasonWords kJapanese{"CAVOK",         "雲底 ", "フィート", "雲底なし", "視程 ", "m",
                                "視程 10km以上", "未満",  "超",       true,       true,    "、"};

// The coded layer: BKN008, VV002.
std::string LayerCode(const Ceiling& ceiling) {
  std::string code = ceiling.verticalVisibility ? "VV" : std::string(ceiling.layer.amount.data());
  const int hundreds = ceiling.feet / 100;
  code += static_cast<char>('0' + hundreds / 100 % 10);
  code += static_cast<char>('0' + hundreds / 10 % 10);
  code += static_cast<char>('0' + hundreds % 10);
  return code;
}

std::string CeilingText(const std::optional<Ceiling>& ceiling, const ReasonWords& words) {
  if (!ceiling) return std::string(words.noCeiling);
  std::string text = Concat({words.ceiling, FormatInt(ceiling->feet), words.feet});
  if (words.namesLayer) text += " (" + LayerCode(*ceiling) + ")";
  return text;
}

std::string VisibilityText(const VisibilityValue& visibility, const ReasonWords& words) {
  if (visibility.tenKmOrMore) return std::string(words.tenKmOrMore);
  std::string_view bound;
  if (visibility.bound == Bound::LessThan) bound = words.lessThan;
  if (visibility.bound == Bound::MoreThan) bound = words.moreThan;
  const std::string metres = Concat({FormatInt(visibility.metres), words.metres});
  if (words.boundAfterMetres) return Concat({words.visibility, metres, bound});
  return Concat({words.visibility, bound, metres});
}

std::string Reason(const CategoryJudgement& judgement, const ReasonWords& words) {
  if (judgement.category == FlightCategory::Unknown) return {};
  if (judgement.cavok) return std::string(words.cavok);
  std::string text;
  if (judgement.byCeiling) text = CeilingText(judgement.ceiling, words);
  if (judgement.byVisibility) {
    if (!text.empty()) text += words.separator;
    text += VisibilityText(*judgement.visibility, words);
  }
  return text;
}

}  // namespace

std::string CategoryReason(const CategoryJudgement& judgement) {
  return Reason(judgement, kEnglish);
}

std::string CategoryReasonJapanese(const CategoryJudgement& judgement) {
  return Reason(judgement, kJapanese);
}

std::string VisibilityPhraseJapanese(const VisibilityValue& visibility) {
  return VisibilityText(visibility, kJapanese);
}

std::string CeilingPhraseJapanese(const std::optional<Ceiling>& ceiling) {
  return CeilingText(ceiling, kJapanese);
}

std::string CategoryReasonJapaneseBrief(const CategoryJudgement& judgement) {
  ReasonWords words = kJapanese;
  words.namesLayer = false;
  return Reason(judgement, words);
}

std::string CategoryLine(const CategoryJudgement& judgement) {
  if (judgement.category == FlightCategory::Unknown) return "unknown";
  return Concat({CategoryName(judgement.category), " (", CategoryReason(judgement), ")"});
}

}  // namespace aerolume
