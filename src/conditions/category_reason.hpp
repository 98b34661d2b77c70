// Why a category is what it is, in words: "ceiling 800 ft" for the terminal,
// "雲底 800フィート (BKN008)" for the window.
#pragma once

#include <string>

#include "conditions/flight_category.hpp"

namespace aerolume {

// "ceiling 800 ft", "visibility 2400 m", both joined by ", " on a tie; "CAVOK";
// empty for an unknown category.
std::string CategoryReason(const CategoryJudgement& judgement);

// "雲底 800フィート (BKN008)", "視程 2400m", joined by "、" on a tie.
std::string CategoryReasonJapanese(const CategoryJudgement& judgement);

// The same parts alone, as the map's table and tooltip show them: "視程 2400m",
// "視程 10km以上", "雲底 800フィート (BKN008)", "雲底なし".
std::string VisibilityPhraseJapanese(const VisibilityValue& visibility);
std::string CeilingPhraseJapanese(const std::optional<Ceiling>& ceiling);
// The same without the coded layer, for a message that fits on one line: "雲底 800フィート".
std::string CategoryReasonJapaneseBrief(const CategoryJudgement& judgement);

// "IFR (ceiling 800 ft)", or "unknown".
std::string CategoryLine(const CategoryJudgement& judgement);

}  // namespace aerolume
