// The words of a remark that places a convective cloud or thunderstorm: intensity,
// phenomenon, distance, directions and movement. Each translator answers with its
// Japanese text, or with the empty text when the group is not a word of its kind,
// so one call serves the decoder as both test and translation.
#pragma once

#include <string>
#include <string_view>

namespace aerolume {

std::string IntensityName(std::string_view group);      // FBL, MOD, HVY
std::string RemarkCloudName(std::string_view group);    // CB, TS, TCU, VIRGA
std::string TranslateDistance(std::string_view group);  // digits + KM or M
std::string DirectionName(std::string_view group);      // N ... SW, OHD, UNKNOWN
std::string JoinDirections(std::string_view group);     // directions joined by "-"
std::string MovementName(std::string_view group);       // MOV, STNR

// The eight compass points alone or as a range: "N" -> "北", "NE-E" -> "北東～東".
std::string DirectionRange(std::string_view group);

}  // namespace aerolume
