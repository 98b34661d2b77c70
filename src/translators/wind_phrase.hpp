// The wind in the words of the report's wind line: "090方向 24KT 最大44KTの風",
// "方向不定 2KTの風", "無風". The wind rules write their lines with the same words.
#pragma once

#include <string>
#include <string_view>

#include "decoder/report_values.hpp"

namespace aerolume {

inline constexpr std::string_view kCalmWords = "無風";
inline constexpr std::string_view kVariableDirectionWords = "方向不定 ";
inline constexpr std::string_view kDirectionWords = "方向 ";  // after the three digits
inline constexpr std::string_view kGustWords = " 最大";
inline constexpr std::string_view kWindWords = "の風";

// A recorded wind, its speeds in knots; empty for a wind whose speed was not reported.
std::string WindPhrase(const WindValue& wind);

}  // namespace aerolume
