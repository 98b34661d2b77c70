// Runway state groups (R01L/29//95, R05/CLRD70, R21/SNOCLO) in Japanese: what lies
// on the runway, how much of it, how deep, and how well aircraft brake on it.
#pragma once

#include <string>
#include <string_view>

namespace aerolume {

// True for Rdd[LCR]/ followed by six digits or slashes (deposit, extent, depth,
// friction), by CLRD and the friction, or by SNOCLO; and for SNOCLO and R/SNOCLO,
// the airfield closed by snow.
bool IsRunwayStateGroup(std::string_view group);

// "RWY01L 路面状態: 湿潤 51%以上 深さ不明 制動効果良好", "RWY21 雪のため閉鎖". Only
// for groups IsRunwayStateGroup takes.
std::string TranslateRunwayState(std::string_view group);

}  // namespace aerolume
